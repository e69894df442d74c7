#include "FormKit.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QIconEngine>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>

#include <algorithm>
#include <iterator>

// The program's own icon drawings live in a resource file of this static
// library, which the linker would otherwise leave out.
static void initIconResources() {
    Q_INIT_RESOURCE(resources);
}

namespace FormKit {

namespace {
class PressOnEnter : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        auto* button = static_cast<QAbstractButton*>(watched);
        if (button->isEnabled()) button->click();
        return true;
    }
};
} // namespace

namespace {

// The desktop's drawings of these are pale (grey outlines, a touch of
// faint colour) and read as disabled: beside the others, and beside a
// disabled button of their own, which differs from them by little. The
// program's own coloured drawings take their place.
const char* const kOwnDrawings[] = {
    "contact-new",   "dialog-information",
    "document-new",  "document-open",
    "edit-clear",    "edit-copy",
    "go-first",      "go-last",
    "go-next",       "go-previous",
    "help-contents", "mail-attachment",
    "mail-send",     "x-office-spreadsheet",
};

// A theme icon drawn at exactly the size it is asked for. A theme holds
// each picture at a few sizes only (24 and 48, say) and Qt hands back the
// nearest smaller one unscaled, so a button asking for 32 would get 24 from
// one picture and 32 from the next, and a caption under the picture would
// sit lower under the larger. Here the smallest drawing at least as large
// (or the largest there is) is scaled to the size asked.
class ExactSize : public QIconEngine {
  public:
    explicit ExactSize(QIcon themed) : themed_(std::move(themed)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return drawn(size, mode, state);
    }
    // Asked in device pixels; QIcon sets the ratio on what comes back.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal) override {
        return drawn(size, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap pm = drawn(rect.size() * ratio, mode, state);
        pm.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, pm);
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return themed_.availableSizes(mode, state);
    }
    QString iconName() override { return themed_.name(); }
    bool isNull() override { return themed_.isNull(); }
    QString key() const override { return QStringLiteral("ExactSize"); }
    QIconEngine* clone() const override { return new ExactSize(themed_); }

  private:
    QPixmap drawn(const QSize& size, QIcon::Mode mode, QIcon::State state) const {
        if (size.isEmpty()) return {};
        QSize source;
        for (const QSize& s : themed_.availableSizes(QIcon::Normal, state)) {
            const bool covers = s.width() >= size.width() && s.height() >= size.height();
            const bool sourceCovers =
                source.width() >= size.width() && source.height() >= size.height();
            if (source.isEmpty() || (covers && (!sourceCovers || s.width() < source.width())) ||
                (!covers && !sourceCovers && s.width() > source.width()))
                source = s;
        }
        QPixmap pm = themed_.pixmap(source.isEmpty() ? size : source, 1.0, mode, state);
        if (pm.size() != size) pm = pm.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return pm;
    }

    QIcon themed_;
};

} // namespace

QIcon icon(const QString& freedesktopName) {
    static const bool loaded = (initIconResources(), true);
    Q_UNUSED(loaded);
    const QIcon own(QStringLiteral(":/icons/%1.svg").arg(freedesktopName));
    const bool ours =
        std::any_of(std::begin(kOwnDrawings), std::end(kOwnDrawings),
                    [&](const char* name) { return freedesktopName == QLatin1String(name); });
    if (ours) return own;
    const QIcon themed = QIcon::fromTheme(freedesktopName);
    return themed.isNull() ? own : QIcon(new ExactSize(themed));
}

QLineEdit* edit(QWidget* parent, const QString& name, int maxLength) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(maxLength);
    return box;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QLabel* hiddenLabel(QWidget* parent, const QString& name, const QString& text) {
    QLabel* l = label(parent, name, text);
    l->hide();
    return l;
}

QToolButton* pictureButton(QWidget* parent, const QString& name, const QString& iconName,
                           const QString& caption, int iconSize) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    if (!iconName.isEmpty()) b->setIcon(icon(iconName));
    b->setIconSize(QSize(iconSize, iconSize));
    b->setAutoRaise(true);
    // Reachable with Tab, with a frame that shows where the focus is, and
    // pressed with Enter as well as Space.
    b->setFocusPolicy(Qt::StrongFocus);
    b->setStyleSheet(kFocusFrame);
    b->installEventFilter(new PressOnEnter(b));
    b->setCursor(Qt::PointingHandCursor);
    if (!caption.isEmpty()) {
        b->setText(caption);
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    }
    return b;
}

QPushButton* pushButton(QWidget* parent, const QString& name, const QString& caption,
                        const QString& iconName, int minimumWidth) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    if (!iconName.isEmpty()) b->setIcon(icon(iconName));
    b->setAutoDefault(true);
    if (minimumWidth > 0) b->setMinimumWidth(std::max(minimumWidth, b->sizeHint().width() + 20));
    return b;
}

void maximize(QWidget* screen) {
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screen->setGeometry(primary->availableGeometry());
    screen->setWindowState(Qt::WindowMaximized);
}

void centreOnScreen(QWidget* window) {
    const QScreen* display = QGuiApplication::primaryScreen();
    if (!display) return;
    window->adjustSize();
    QRect frame = window->frameGeometry();
    frame.moveCenter(display->availableGeometry().center());
    window->move(frame.topLeft());
}

void backdrop(QWidget* screen) {
    screen->setAttribute(Qt::WA_StyledBackground);
    screen->setStyleSheet(QStringLiteral("#%1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                                         " stop:0 #f4f7fb, stop:1 #dfe8f3); }")
                              .arg(screen->objectName()));
}

QFrame* panel(QWidget* parent, const QString& name) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::StyledPanel);
    f->setMouseTracking(true);
    return f;
}

void instructions(QWidget* panel, QBoxLayout* layout,
                  std::initializer_list<std::pair<const char*, const char*>> lines) {
    auto* help = new QVBoxLayout;
    help->setSpacing(2);
    for (const auto& [name, line] : lines) {
        QLabel* l = label(panel, QString::fromUtf8(name), QString::fromUtf8(line));
        l->setWordWrap(true);
        help->addWidget(l);
    }
    layout->addLayout(help);
    layout->addSpacing(6);
}

namespace {

// Keeps the highlight rectangle the size of its holder and shows it only
// while the box has the focus.
class Highlight : public QObject {
  public:
    Highlight(QWidget* holder, QFrame* rect, QWidget* box)
        : QObject(holder), holder_(holder), rect_(rect), box_(box) {
        holder->installEventFilter(this);
        box->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == holder_ && event->type() == QEvent::Resize)
            rect_->setGeometry(holder_->rect());
        if (watched == box_ && event->type() == QEvent::FocusIn) rect_->show();
        if (watched == box_ && event->type() == QEvent::FocusOut) rect_->hide();
        return false;
    }

  private:
    QWidget* holder_;
    QFrame* rect_;
    QWidget* box_;
};

// An entry of the list chosen by the program would replace the box's text
// as soon as the box takes the focus; the text stays.
class KeepText : public QObject {
  public:
    explicit KeepText(QComboBox* list) : QObject(list), list_(list) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            const QString text = list_->currentText();
            list_->setCurrentIndex(-1);
            list_->setEditText(text);
        }
        return false;
    }

  private:
    QComboBox* list_;
};

class EnterChain : public QObject {
  public:
    EnterChain(QObject* parent, QWidget* next) : QObject(parent), next_(next) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        if (next_) next_->setFocus(Qt::OtherFocusReason);
        return true;
    }

  private:
    QPointer<QWidget> next_;
};

// A form that opens under a resting pointer is told that the pointer entered
// the element there (and may be sent a move) although the user did nothing;
// its hint line keeps what it says until the pointer really moves away from
// where it was when the form showed.
class PointerSinceShow : public QObject {
  public:
    explicit PointerSinceShow(QWidget* form) : QObject(form) { form->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            restingAt_ = QCursor::pos();
            resting_ = true;
        }
        return false;
    }
    // False while the pointer is still where it rested when the form showed.
    bool hasMoved() {
        if (resting_ && QCursor::pos() == restingAt_) return false;
        resting_ = false;
        return true;
    }

  private:
    QPoint restingAt_;
    bool resting_ = false;
};

class HintLine : public QObject {
  public:
    HintLine(QObject* parent, QLabel* line, QString hint, PointerSinceShow* pointer)
        : QObject(parent), line_(line), hint_(std::move(hint)), pointer_(pointer) {}
    bool eventFilter(QObject*, QEvent* event) override {
        // A move over the element counts too: the pointer may have come to
        // rest on it as the form opened.
        if ((event->type() == QEvent::Enter || event->type() == QEvent::HoverMove) &&
            pointer_->hasMoved())
            line_->setText(hint_);
        return false;
    }

  private:
    QLabel* line_;
    QString hint_;
    PointerSinceShow* pointer_;
};

class Background : public QObject {
  public:
    Background(QObject* parent, QLabel* line, PointerSinceShow* pointer)
        : QObject(parent), line_(line), pointer_(pointer) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if ((event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) &&
            pointer_->hasMoved())
            line_->clear();
        return false;
    }

  private:
    QLabel* line_;
    PointerSinceShow* pointer_;
};

} // namespace

QComboBox* dropDown(QWidget* parent, const QString& name, const QStringList& codes) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(codes);
    list->setMaxVisibleItems(16);
    list->setCurrentIndex(-1);
    list->installEventFilter(new KeepText(list));
    return list;
}

QWidget* withHighlight(QWidget* box, const QString& effName) {
    auto* holder = new QWidget(box->parentWidget());
    auto* rect = new QFrame(holder);
    rect->setObjectName(effName);
    rect->setStyleSheet(QStringLiteral("background: #ffd84a; border-radius: 3px;"));
    rect->hide();
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(box);
    rect->lower();
    new Highlight(holder, rect, box);
    return holder;
}

void enterChain(QWidget* form, const QStringList& order) {
    for (qsizetype i = 0; i < order.size(); ++i)
        enterMoves(form, order[i], order[(i + 1) % order.size()]);
}

void enterMoves(QWidget* form, const QString& from, const QString& to) {
    // A drop-down holds the focus for its line and sees its keys first.
    QWidget* box = child<QWidget>(form, from);
    box->installEventFilter(new EnterChain(box, child<QWidget>(form, to)));
}

void hints(QWidget* form, QLabel* line, const std::vector<std::pair<QString, QString>>& table,
           const QStringList& backgrounds) {
    auto* pointer = new PointerSinceShow(form);
    for (const auto& [name, hint] : table) {
        QWidget* w = child<QWidget>(form, name);
        w->setAttribute(Qt::WA_Hover);
        w->installEventFilter(new HintLine(w, line, hint, pointer));
    }
    form->setMouseTracking(true);
    form->installEventFilter(new Background(form, line, pointer));
    for (const QString& name : backgrounds) {
        QWidget* w = child<QWidget>(form, name);
        w->setMouseTracking(true);
        w->installEventFilter(new Background(w, line, pointer));
    }
}

void onClick(QWidget* form, const QString& button, std::function<void()> handler) {
    auto* b = child<QAbstractButton>(form, button);
    QObject::connect(b, &QAbstractButton::clicked, form, std::move(handler));
}

} // namespace FormKit
