#include "Platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QTreeView>
#include <QUrl>

namespace {

class QtMessages : public Messages {
  public:
    bool show(QWidget* parent, Kind kind, const QString& text) override {
        const FocusReturn focusBack;
        QMessageBox box(parent);
        prepareMessageBox(box, kind, text);
        return box.exec() != QMessageBox::No;
    }
};

class DesktopShell : public Shell {
  public:
    void open(const QString& command) override {
        // Callers quote paths as the Windows shell wants them; the desktop
        // services take the bare text.
        QString target = command.trimmed();
        if (target.size() >= 2 && target.startsWith(u'"') && target.endsWith(u'"'))
            target = target.mid(1, target.size() - 2);
        const bool isUrl = target.contains(QStringLiteral("://")) ||
                           target.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive);
        QDesktopServices::openUrl(isUrl ? QUrl(target, QUrl::TolerantMode)
                                        : QUrl::fromLocalFile(target));
    }
};

// The detail view of Qt's file dialog as the rest of the program speaks:
// Qt leaves the kinds "Folder", "Shortcut" and so on untranslated and writes
// sizes and dates in the system's locale; here they are Italian, with the
// dates in the program's dd/mm/yyyy.
class ItalianFileDetails : public QIdentityProxyModel {
  public:
    enum Column { Name, Size, Kind, Modified };
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files || !index.isValid())
            return QIdentityProxyModel::data(index, role);
        const QModelIndex file = mapToSource(index);
        switch (index.column()) {
        case Size:
            if (files->isDir(file)) break;
            return QLocale().formattedDataSize(files->size(file));
        case Kind: {
            const QString kind = files->type(file);
            for (const auto& [english, italian] : kKinds)
                if (kind == QLatin1String(english)) return QString::fromUtf8(italian);
            return kind;
        }
        case Modified:
            return QLocale().toString(files->lastModified(file),
                                      QStringLiteral("dd/MM/yyyy HH:mm"));
        }
        return QIdentityProxyModel::data(index, role);
    }

  private:
    static constexpr std::pair<const char*, const char*> kKinds[] = {
        {"Folder", "Cartella"},
        {"Shortcut", "Collegamento"},
        {"Drive", "Unità"},
        {"Unknown", "Sconosciuto"},
    };
};

// Qt's own dialog everywhere, so it looks and reads the same on every
// desktop. Its one filter keeps the caption "Tutti i file (*.*)" and shows
// every file, those without a dot in the name too: the caption's own
// pattern is hidden and "*" is the one applied.
class DialogFileChooser : public FileChooser {
  public:
    QString openFile(QWidget* parent, const QString& title) override {
        QFileDialog dialog(parent, title);
        dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilter(QStringLiteral("Tutti i file (*.*) (*)"));
        dialog.setProxyModel(new ItalianFileDetails(&dialog));
        dialog.setViewMode(QFileDialog::Detail);
        fitToScreen(dialog);
        if (dialog.exec() != QDialog::Accepted) return {};
        return dialog.selectedFiles().value(0);
    }

  private:
    // Room for long names beside the size, kind and date, each column wide
    // enough for what it shows.
    static void fitToScreen(QFileDialog& dialog) {
        const QScreen* screen = dialog.screen();
        const QSize room = screen ? screen->availableSize() : QSize(1366, 768);
        dialog.resize(qMin(1100, room.width() * 7 / 10), qMin(700, room.height() * 3 / 4));
        auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
        if (!view) return;
        const QFontMetrics metrics = view->fontMetrics();
        const int padding = metrics.horizontalAdvance(u'M') * 2;
        using Column = ItalianFileDetails::Column;
        const std::pair<Column, const char*> widest[] = {
            {Column::Size, "1.023,9 KiB"},
            {Column::Kind, "Documento di testo semplice"},
            {Column::Modified, "00/00/0000 00:00"},
        };
        QHeaderView* header = view->header();
        for (const auto& [column, sample] : widest)
            header->resizeSection(column,
                                  metrics.horizontalAdvance(QString::fromUtf8(sample)) + padding);
        // The name takes the rest, once the view has its width.
        QTimer::singleShot(0, view, [view, header] {
            const int others = header->sectionSize(Column::Size) +
                               header->sectionSize(Column::Kind) +
                               header->sectionSize(Column::Modified);
            header->resizeSection(Column::Name, qMax(header->sectionSize(Column::Name),
                                                     view->viewport()->width() - others));
        });
    }
};

class ExecModal : public ModalRunner {
  public:
    int exec(QDialog& dialog) override { return dialog.exec(); }
};

template <class Base, class Default> std::unique_ptr<Base>& slot() {
    static std::unique_ptr<Base> service = std::make_unique<Default>();
    return service;
}

template <class Base, class Default> void replace(std::unique_ptr<Base> service) {
    slot<Base, Default>() = service ? std::move(service) : std::make_unique<Default>();
}

} // namespace

void prepareMessageBox(QMessageBox& box, Messages::Kind kind, const QString& text) {
    using Kind = Messages::Kind;
    struct Look {
        QMessageBox::Icon icon;
        const char* title;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton preferred;
    };
    const auto okCancel = QMessageBox::Ok | QMessageBox::Cancel;
    const Look look = [&]() -> Look {
        switch (kind) {
        case Kind::Warning:
            return {QMessageBox::Warning, "Attenzione", okCancel, QMessageBox::Ok};
        case Kind::Error:
            return {QMessageBox::Critical, "Errore", okCancel, QMessageBox::Ok};
        case Kind::Information:
            return {QMessageBox::Information, "Informazione", okCancel, QMessageBox::Ok};
        case Kind::Question:
            return {QMessageBox::Question, "Conferma", QMessageBox::Yes | QMessageBox::No,
                    QMessageBox::Yes};
        case Kind::Plain:
            break;
        }
        return {QMessageBox::NoIcon, "Velmora", QMessageBox::Ok, QMessageBox::Ok};
    }();
    box.setText(text);
    box.setIcon(look.icon);
    box.setWindowTitle(QString::fromUtf8(look.title));
    box.setStandardButtons(look.buttons);
    box.setDefaultButton(look.preferred);
}

Messages& Platform::messages() {
    return *slot<Messages, QtMessages>();
}
Shell& Platform::shell() {
    return *slot<Shell, DesktopShell>();
}
ModalRunner& Platform::modal() {
    return *slot<ModalRunner, ExecModal>();
}
FileChooser& Platform::fileChooser() {
    return *slot<FileChooser, DialogFileChooser>();
}
void Platform::install(std::unique_ptr<Messages> m) {
    replace<Messages, QtMessages>(std::move(m));
}
void Platform::install(std::unique_ptr<Shell> s) {
    replace<Shell, DesktopShell>(std::move(s));
}
void Platform::install(std::unique_ptr<ModalRunner> m) {
    replace<ModalRunner, ExecModal>(std::move(m));
}
void Platform::install(std::unique_ptr<FileChooser> c) {
    replace<FileChooser, DialogFileChooser>(std::move(c));
}

FocusReturn::FocusReturn() : opener_(QApplication::focusWidget()) {}

FocusReturn::~FocusReturn() {
    if (!opener_ || !opener_->isVisible()) return;
    QWidget* window = opener_->window();
    // What the screen delivered may have moved the focus on in the window
    // below (a picked date moves to the next field); otherwise it is still
    // on the opener.
    QWidget* target = window->focusWidget();
    if (!target || !target->isVisible() || !target->isEnabled()) target = opener_;
    window->activateWindow();
    if (target->isEnabled()) target->setFocus(Qt::OtherFocusReason);
}

int showModal(QDialog& dialog) {
    const FocusReturn focusBack;
    return Platform::modal().exec(dialog);
}

bool openWithTag(QDialog& dialog, const QString& tag) {
    auto* memory = dialog.findChild<QLabel*>(QStringLiteral("lblMemory"));
    if (!memory) qFatal("%s has no lblMemory", qPrintable(dialog.objectName()));
    memory->setText(tag);
    return showModal(dialog) == QDialog::Accepted;
}
