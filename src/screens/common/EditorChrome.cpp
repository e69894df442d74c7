#include "EditorChrome.h"

#include "FormKit.h"
#include "archive/RecordLayout.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QShortcut>

namespace EditorChrome {

const std::vector<EditorButton>& standardTools() {
    static const std::vector<EditorButton> table = {
        {"btnNuovo", "document-new", "Nuovo",
         "Prepara la schermata per la registrazione di una nuova scheda."},
        {"btnDuplica", "edit-copy", "Duplica",
         "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati "
         "correnti."},
        {"btnSalva", "document-save", "Salva", "Salva la scheda corrente in archivio."},
        {"btnTrova", "edit-find", "Trova", "Trova una scheda in archivio."},
        {"btnAllega", "mail-attachment", "Allega", "Allega file alla scheda corrente."},
        {"btnStampa", "document-print", "Stampa", "Stampa la scheda corrente."},
        {"btnAnteprima", "document-print-preview", "Anteprima",
         "Visualizza l'anteprima di stampa della scheda corrente."},
        {"btnEsporta", "x-office-spreadsheet", "Esporta",
         "Esporta le schede in archivio in un file di Microsoft Excel."},
        {"btnGuida", "help-contents", "Guida", "Visualizza la guida in linea."},
        {"btnEsci", "application-exit", "Esci", "Esci da questa schermata di lavoro."},
    };
    return table;
}

const std::vector<EditorButton>& standardNavigation() {
    static const std::vector<EditorButton> table = {
        {"cmdPrimo", "go-first", {}, "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", "go-previous", {}, "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", "go-next", {}, "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", "go-last", {}, "Visualizza l'ultima scheda in archivio."},
    };
    return table;
}

namespace {

// The keys of the editors' buttons, one table for every editor, keyed by
// the name after its btn / cmd prefix: the letter that Alt takes in the
// caption, and the usual shortcut.
struct ButtonKeys {
    const char* stem;
    char mnemonic; // 0: none (the arrows have no caption)
    QKeySequence shortcut;
};

const ButtonKeys kButtonKeys[] = {
    {"Nuovo", 'N', QKeySequence(Qt::CTRL | Qt::Key_N)},
    {"Duplica", 'D', QKeySequence(Qt::CTRL | Qt::Key_D)},
    {"Salva", 'S', QKeySequence(Qt::CTRL | Qt::Key_S)},
    {"Trova", 'T', QKeySequence(Qt::CTRL | Qt::Key_F)},
    {"Allega", 'A', {}},
    {"File", 'A', {}},
    {"Stampa", 'P', QKeySequence(Qt::CTRL | Qt::Key_P)},
    {"Anteprima", 'E', {}},
    {"Esporta", 'R', {}},
    {"Scaduti", 'Z', {}},
    {"Ore", 'O', {}},
    {"Guida", 'G', QKeySequence(Qt::Key_F1)},
    {"Esci", 'C', {}},
    {"Primo", 0, QKeySequence(Qt::CTRL | Qt::Key_Home)},
    {"Indietro", 0, QKeySequence(Qt::Key_PageUp)},
    {"Avanti", 0, QKeySequence(Qt::Key_PageDown)},
    {"Ultimo", 0, QKeySequence(Qt::CTRL | Qt::Key_End)},
};

const ButtonKeys* keysOf(const QString& name) {
    const QString stem = name.mid(3); // btnSalva, cmdSalva -> Salva
    for (const ButtonKeys& k : kButtonKeys)
        if (stem == QLatin1String(k.stem)) return &k;
    return nullptr;
}

// A box would take Ctrl+Home and Ctrl+End for its own cursor (Home and End
// do the same there); in an editor's window they go to the first and last
// record instead.
class KeysForTheEditor : public QObject {
  public:
    explicit KeysForTheEditor(QWidget* form) : QObject(form), form_(form) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != form_) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool ours = key->modifiers() == Qt::ControlModifier &&
                          (key->key() == Qt::Key_Home || key->key() == Qt::Key_End);
        return ours; // left unaccepted, so the editor's shortcut fires
    }

  private:
    QWidget* form_;
};

// Gives the button its Alt letter, its shortcut (active anywhere in the
// editor's window) and a tooltip that names both.
void bindKeys(QWidget* form, QToolButton* button, const QString& hint) {
    const ButtonKeys* keys = keysOf(button->objectName());
    if (!keys) return;
    QStringList named;
    if (keys->mnemonic) {
        QString caption = button->text();
        const qsizetype at = caption.indexOf(QLatin1Char(keys->mnemonic), 0, Qt::CaseInsensitive);
        if (at >= 0) {
            caption.insert(at, u'&');
            button->setText(caption);
            named << QStringLiteral("Alt+%1").arg(QChar(keys->mnemonic));
        }
    }
    if (!keys->shortcut.isEmpty()) {
        auto* shortcut = new QShortcut(keys->shortcut, form);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, button, [button] {
            if (button->isEnabled() && button->isVisibleTo(button->window())) button->click();
        });
        named << keys->shortcut.toString(QKeySequence::NativeText);
    }
    button->setToolTip(named.isEmpty() ? hint
                                       : QStringLiteral("%1 (%2)").arg(hint, named.join(u", ")));
}

} // namespace

void bindButtonKeys(QWidget* form, QToolButton* button, const QString& hint) {
    bindKeys(form, button, hint);
}

QFrame* buttonBar(QWidget* form, const std::vector<EditorButton>& tools,
                  const std::vector<EditorButton>& navigation) {
    qApp->installEventFilter(new KeysForTheEditor(form));
    QFrame* bar = FormKit::panel(form, QStringLiteral("shpPulsanti"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(6, 4, 6, 4);
    row->setSpacing(2);
    auto add = [&](QWidget* parent, QHBoxLayout* into, const EditorButton& b) {
        QToolButton* button = FormKit::pictureButton(parent, b.name, b.icon, b.caption);
        button->setMinimumWidth(72);
        bindKeys(form, button, b.hint);
        into->addWidget(button);
    };
    for (std::size_t i = 0; i + 1 < tools.size(); ++i)
        add(bar, row, tools[i]);
    row->addStretch();

    QFrame* record = FormKit::panel(bar, QStringLiteral("shpRecord"));
    auto* nav = new QHBoxLayout(record);
    nav->setContentsMargins(4, 2, 4, 2);
    for (std::size_t i = 0; i < navigation.size(); ++i) {
        if (i == navigation.size() / 2) {
            QLabel* number = FormKit::label(record, QStringLiteral("lblPosizione"), {});
            number->setAlignment(Qt::AlignCenter);
            number->setMinimumWidth(64);
            number->setFrameShape(QFrame::StyledPanel);
            number->setStyleSheet(QStringLiteral("font-weight: bold; background: white;"));
            nav->addWidget(number);
        }
        add(record, nav, navigation[i]);
    }
    row->addWidget(record);
    row->addSpacing(12);
    add(bar, row, tools.back());
    return bar;
}

QLabel* hintLine(QWidget* form, const QString& initialText) {
    QLabel* line = FormKit::label(form, QStringLiteral("panInfo"), initialText);
    line->setFrameShape(QFrame::StyledPanel);
    line->setFrameShadow(QFrame::Sunken);
    line->setContentsMargins(6, 2, 6, 2);
    line->setMinimumHeight(24);
    return line;
}

void attachmentLabels(QWidget* form) {
    for (const char* stem : {"File", "Desc"})
        for (int i = 1; i <= kAttachments; ++i) {
            const QString text = stem + QString::number(i).rightJustified(2, u'0');
            FormKit::hiddenLabel(form, QStringLiteral("lbl") + text, text);
        }
}

} // namespace EditorChrome
