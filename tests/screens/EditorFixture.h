#pragma once
// One record editor shown on a temporary program folder, on its archive:
// the fixture of every editor test. The four editors are rows of one table;
// a test of one editor names its row (DailyEditor, ...), a test of what all
// do alike runs on every row (EveryEditorTest).

#include "ScreenFixture.h"
#include "screens/common/RecordEditor.h"
#include "support/ExpectedTexts.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>

#include <ostream>
#include <utility>
#include <vector>

struct EditorKind {
    const char* screen;
    const TRecordLayout& (*layout)();
    const char* archive; // file name in the program folder
    bool yearly;         // its path is written into lblFile by the year chooser
    std::vector<std::pair<QString, QString>> mandatory; // box -> a value that passes
    QString firstWarning;                               // Salva on an empty screen
    QString firstField;                                 // where a fresh screen starts
    std::pair<QString, QString> freeFields;             // two boxes of plain text
    bool duplicates = true;                             // has Duplica
    QString readyText = Expected::kReady;               // panInfo's first text
};

inline void PrintTo(const EditorKind* kind, std::ostream* os) {
    *os << kind->screen;
}

inline const EditorKind kDailyEditor = {
    "TfrmTurni",
    &TRecordLayout::daily,
    "2024.ore",
    true,
    {{"txtNome", "Turno"}, {"txtData", "05/03/2024"}},
    Expected::kNameWarning,
    "txtNome",
    {"txtSede", "txtAnnotazioni"},
};
inline const EditorKind kWeeklyEditor = {
    "TfrmSettimanale",
    &TRecordLayout::weekly,
    "2024.set",
    true,
    {{"txtNome", "Settimana"}, {"txtDataInizio", "04/03/2024"}, {"txtDataFine", "10/03/2024"}},
    Expected::kNameWarning,
    "txtNome",
    {"txtSede", "txtAnnotazioni"},
};
inline const EditorKind kTimetableEditor = {
    "TfrmOrari", &TRecordLayout::timetables,    "Orari.pro",
    false,       {{"txtNome", "Orario"}},       Expected::kNameWarning,
    "txtNome",   {"txtSede", "txtAnnotazioni"},
};
inline const EditorKind kWorkerEditor = {
    "TfrmIstruttori",
    &TRecordLayout::workers,
    "Dipendenti.pro",
    false,
    {{"txtCognome", "Rossi"}, {"txtNome", "Mario"}},
    QStringLiteral(
        "Attenzione: per salvare la scheda è necessario indicare il cognome del lavoratore."),
    "txtCognome",
    {"txtComuneRes", "txtNote"},
    false,
    QStringLiteral("Pronto per salvare una nuova scheda..."),
};

inline const EditorKind* const kEveryEditor[] = {&kDailyEditor, &kWeeklyEditor, &kTimetableEditor,
                                                 &kWorkerEditor};

class EditorTest : public ScreenTest {
  protected:
    RecordEditor* editor = nullptr;
    QString archive;
    const EditorKind* kind = nullptr;

    // Shows the editor on its archive in the program folder, with the focus.
    void open(const EditorKind& which) {
        kind = &which;
        editor = qobject_cast<RecordEditor*>(screen(which.screen));
        ASSERT_TRUE(editor);
        archive = path(which.archive);
        if (which.yearly) label("lblFile")->setText(archive);
        editor->show();
        QApplication::setActiveWindow(editor);
    }
    const TRecordLayout& layout() const { return kind->layout(); }
    // An edit box, or a drop-down's line.
    QLineEdit* box(const QString& name) const {
        if (auto* list = screen(kind->screen)->findChild<QComboBox*>(name)) return list->lineEdit();
        return control(kind->screen, name);
    }
    QLabel* label(const QString& name) const { return control<QLabel>(kind->screen, name); }
    QString number() const { return label("lblPosizione")->text(); }
    qint64 records() const { return QFileInfo(archive).size() / layout().size(); }
    void fillMandatory() const {
        for (const auto& [name, value] : kind->mandatory)
            box(name)->setText(value);
    }
    // `count` records named "Scheda 1", "Scheda 2", ... with an attachment
    // each and what else Salva wants.
    void seed(int count) const {
        std::vector<std::vector<std::pair<QString, QString>>> rows;
        for (int i = 1; i <= count; ++i) {
            std::vector<std::pair<QString, QString>> fields;
            fields.emplace_back("Nome", QStringLiteral("Scheda %1").arg(i));
            for (const auto& [name, value] : kind->mandatory)
                if (name != "txtNome") fields.emplace_back(name.mid(3), value);
            fields.emplace_back("File01", QStringLiteral("allegato%1.pdf").arg(i));
            rows.push_back(fields);
        }
        appendRecords(archive, layout(), rows);
    }
};

// The fixture of one editor's own tests.
template <const EditorKind& Kind> class EditorOn : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        open(Kind);
    }
};
