// What every record editor does alike, one row per editor: save, moves,
// duplicate, empty and failing archives, showing afresh, the maximum length
// of every box. A new editor joins by adding its row.
#include "ScreenFixture.h"
#include "screens/common/RecordEditor.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QFileInfo>
#include <QHoverEvent>
#include <QMouseEvent>

namespace {

struct EditorRow {
    const char* screen;
    const TRecordLayout& (*layout)();
    const char* archive; // file name in the program folder
    bool yearly;         // its path is written into lblFile by the year chooser
    std::vector<std::pair<QString, QString>> mandatory; // box -> a value that passes
    QString firstWarning;                               // Salva on an empty screen
    QString firstField;                                 // where a fresh screen starts
    std::pair<QString, QString> freeFields;             // two boxes of plain text
    bool duplicates = true;                             // has Duplica
    QString readyText = EditorTexts::kReady;            // panInfo's first text
};

const EditorRow kEditors[] = {
    {"TfrmTurni",
     &TRecordLayout::daily,
     "2024.ore",
     true,
     {{"txtNome", "Turno"}, {"txtData", "05/03/2024"}},
     EditorTexts::kNameWarning,
     "txtNome",
     {"txtSede", "txtAnnotazioni"}},
    {"TfrmSettimanale",
     &TRecordLayout::weekly,
     "2024.set",
     true,
     {{"txtNome", "Settimana"}, {"txtDataInizio", "04/03/2024"}, {"txtDataFine", "10/03/2024"}},
     EditorTexts::kNameWarning,
     "txtNome",
     {"txtSede", "txtAnnotazioni"}},
    {"TfrmOrari",
     &TRecordLayout::timetables,
     "Orari.pro",
     false,
     {{"txtNome", "Orario"}},
     EditorTexts::kNameWarning,
     "txtNome",
     {"txtSede", "txtAnnotazioni"}},
    {"TfrmIstruttori",
     &TRecordLayout::workers,
     "Dipendenti.pro",
     false,
     {{"txtCognome", "Rossi"}, {"txtNome", "Mario"}},
     "Attenzione: per salvare la scheda è necessario indicare il cognome del lavoratore.",
     "txtCognome",
     {"txtComuneRes", "txtNote"},
     false,
     "Pronto per salvare una nuova scheda..."},
};

void PrintTo(const EditorRow& row, std::ostream* os) {
    *os << row.screen;
}

class EveryEditor : public ScreenTest, public ::testing::WithParamInterface<EditorRow> {
  protected:
    RecordEditor* editor = nullptr;
    QString archive;

    void SetUp() override {
        ScreenTest::SetUp();
        editor = qobject_cast<RecordEditor*>(screen(GetParam().screen));
        ASSERT_TRUE(editor);
        archive = path(GetParam().archive);
        if (GetParam().yearly) label("lblFile")->setText(archive);
        editor->show();
        QApplication::setActiveWindow(editor);
    }
    const TRecordLayout& layout() const { return GetParam().layout(); }
    QLabel* label(const QString& name) const { return control<QLabel>(GetParam().screen, name); }
    QLineEdit* box(const QString& name) const { return control(GetParam().screen, name); }
    QString number() const { return label("lblPosizione")->text(); }
    qint64 records() const { return QFileInfo(archive).size() / layout().size(); }
    void fillMandatory() const {
        for (const auto& [name, value] : GetParam().mandatory)
            box(name)->setText(value);
    }
    void seed(int count) const {
        std::vector<std::vector<std::pair<QString, QString>>> rows;
        for (int i = 1; i <= count; ++i)
            rows.push_back({{"Nome", QStringLiteral("Scheda %1").arg(i)},
                            {"File01", QStringLiteral("allegato%1.pdf").arg(i)}});
        appendRecords(archive, layout(), rows);
    }
};

TEST_P(EveryEditor, SaveChecksTheMandatoryFieldsThenAppendsThenUpdatesInPlace) {
    editor->btnSalvaClick();
    EXPECT_EQ(messages->last(), GetParam().firstWarning);
    EXPECT_EQ(messages->shown.back().kind, Messages::Kind::Warning);
    EXPECT_TRUE(box(GetParam().firstField)->hasFocus());
    EXPECT_FALSE(QFile::exists(archive));

    seed(7);
    fillMandatory();
    box(GetParam().freeFields.first)->setText("  Sede centrale ");
    editor->btnSalvaClick();
    EXPECT_EQ(number(), "8");
    EXPECT_EQ(messages->last(), EditorTexts::kAppended);
    EXPECT_EQ(messages->shown.back().kind, Messages::Kind::Information);
    box(GetParam().freeFields.second)->setText("Nota");
    editor->btnSalvaClick();
    EXPECT_EQ(number(), "8");
    EXPECT_EQ(messages->last(), EditorTexts::kUpdated);
    EXPECT_EQ(records(), 8);

    TRecordArchive a(layout().size());
    a.open(archive, TRecordArchive::Mode::ReadOnly);
    TRecord saved(layout());
    a.seek(7);
    a.read(saved.bytes());
    EXPECT_EQ(saved.text(GetParam().freeFields.first.mid(3)), "Sede centrale");
    EXPECT_EQ(saved.text(GetParam().freeFields.second.mid(3)), "Nota");
}

// The moves and Nuovo as plain functions. Tables of member-function pointers
// are misread by gcc 12's AddressSanitizer at -O2 (a stack-buffer-overflow
// reported inside the test body), so the tables hold these instead.
using Action = void (*)(RecordEditor&);
void first(RecordEditor& e) {
    e.cmdPrimoClick();
}
void previous(RecordEditor& e) {
    e.cmdIndietroClick();
}
void next(RecordEditor& e) {
    e.cmdAvantiClick();
}
void last(RecordEditor& e) {
    e.cmdUltimoClick();
}
void fresh(RecordEditor& e) {
    e.btnNuovoClick();
}

TEST_P(EveryEditor, MovesWalkTheArchiveAndItsEndsAreSilent) {
    seed(3);
    struct Step {
        Action move;
        const char* number;
        const char* name;
    };
    // From a fresh screen Next and Previous both show the first record.
    const Step steps[] = {
        {next, "1", "Scheda 1"},     {next, "2", "Scheda 2"},
        {last, "3", "Scheda 3"},     {next, "3", "Scheda 3"},
        {previous, "2", "Scheda 2"}, {first, "1", "Scheda 1"},
        {previous, "1", "Scheda 1"}, {fresh, "", ""},
        {previous, "1", "Scheda 1"},
    };
    for (const Step& s : steps) {
        s.move(*editor);
        EXPECT_EQ(number(), s.number);
        EXPECT_EQ(box("txtNome")->text(), s.name);
    }
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(label("lblFile01")->text(), "allegato1.pdf");
}

TEST_P(EveryEditor, AMissingArchiveIsCreatedEmptyAndToldAtEveryMove) {
    for (Action move : {next, previous, first, last}) {
        messages->shown.clear();
        move(*editor);
        ASSERT_EQ(messages->shown.size(), 1u);
        EXPECT_EQ(messages->last(), EditorTexts::kEmptyArchive);
        EXPECT_EQ(number(), "");
    }
    EXPECT_TRUE(QFile::exists(archive));
    EXPECT_EQ(QFileInfo(archive).size(), 0);
}

TEST_P(EveryEditor, DuplicateMakesAnUnsavedCopyWithoutAttachments) {
    if (!GetParam().duplicates) {
        EXPECT_EQ(screen(GetParam().screen)->findChild<QWidget*>("btnDuplica"), nullptr);
        return;
    }
    editor->btnDuplicaClick();
    EXPECT_EQ(messages->last(), EditorTexts::kDuplicateFirst);
    seed(3);
    editor->cmdUltimoClick();
    editor->btnDuplicaClick();
    EXPECT_EQ(messages->last(), EditorTexts::kDuplicated);
    EXPECT_EQ(number(), "");
    EXPECT_EQ(box("txtNome")->text(), "Scheda 3");
    EXPECT_EQ(label("lblFile01")->text(), "");
    EXPECT_TRUE(box(GetParam().firstField)->hasFocus());
    fillMandatory();
    editor->btnSalvaClick();
    EXPECT_EQ(number(), "4");
    EXPECT_EQ(records(), 4);
}

void save(RecordEditor& e) {
    e.btnSalvaClick();
}

TEST_P(EveryEditor, AnArchiveThatCannotBeOpenedShowsTheArchiveError) {
    // Where the archive should be, what no user can open as a file: a
    // folder (which the system lets one open for reading, so it must not
    // read as an empty archive) and a symbolic link to itself.
    const std::pair<const char*, bool (*)(const QString&)> blockers[] = {
        {"folder", [](const QString& at) { return QDir().mkpath(at + "/x"); }},
        {"loop", [](const QString& at) { return QFile::link(at, at); }},
    };
    fillMandatory();
    for (const auto& [what, block] : blockers) {
        SCOPED_TRACE(what);
        QDir(archive).removeRecursively();
        QFile::remove(archive);
        ASSERT_TRUE(block(archive));
        for (Action action : {save, next, previous, first, last}) {
            messages->shown.clear();
            action(*editor);
            ASSERT_EQ(messages->shown.size(), 1u);
            EXPECT_EQ(messages->shown.back().kind, Messages::Kind::Error);
            EXPECT_EQ(messages->last(), kArchiveErrorMessage);
            EXPECT_EQ(number(), "");
        }
    }
}

TEST_P(EveryEditor, ShowingTheEditorStartsOnAnEmptyRecord) {
    seed(1);
    editor->cmdPrimoClick();
    editor->hide();
    editor->show();
    QApplication::setActiveWindow(editor);
    EXPECT_EQ(box("txtNome")->text(), "");
    EXPECT_EQ(number(), "");
    EXPECT_EQ(label("lblFile01")->text(), "");
    EXPECT_TRUE(box(GetParam().firstField)->hasFocus());
}

TEST_P(EveryEditor, EveryBoxHoldsAsManyCharactersAsItsField) {
    int boxes = 0;
    for (const TFieldDef& f : layout().fields()) {
        const QString name = "txt" + f.name;
        auto* edit = screen(GetParam().screen)->findChild<QLineEdit*>(name);
        if (auto* list = screen(GetParam().screen)->findChild<QComboBox*>(name))
            edit = list->lineEdit();
        if (!edit) continue;
        ++boxes;
        EXPECT_EQ(edit->maxLength(), f.capacity) << f.name.toStdString();
    }
    // Every field but the six attachment fields has its box.
    EXPECT_EQ(boxes, static_cast<int>(layout().fields().size()) - 2 * kAttachments);
}

TEST_P(EveryEditor, TheReadyTextStaysUntilThePointerMoves) {
    QLabel* info = label("panInfo");
    auto* save = control<QWidget>(GetParam().screen, editor->button("btnSalva"));
    auto* fields = control<QWidget>(GetParam().screen, "shpCampi");
    editor->hide();
    // The pointer rests on Salva while the editor opens under it.
    const QPoint resting = save->mapToGlobal(save->rect().center());
    QCursor::setPos(resting);
    QApplication::processEvents();
    info->setText(GetParam().readyText);
    editor->show();
    QApplication::setActiveWindow(editor);
    QApplication::processEvents();
    auto enter = [](QWidget* w, QPoint global) {
        QEnterEvent e(w->mapFromGlobal(global), w->mapFromGlobal(global), global);
        QApplication::sendEvent(w, &e);
    };
    auto move = [](QWidget* w, QPoint global) {
        QMouseEvent e(QEvent::MouseMove, w->mapFromGlobal(global), global, Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    enter(save, resting);
    move(fields, resting);
    EXPECT_EQ(info->text(), GetParam().readyText);

    // Once it moves, the line follows it: on Salva, then over the fields.
    const QPoint moved = resting + QPoint(3, 0);
    QCursor::setPos(moved);
    QHoverEvent hover(QEvent::HoverMove, save->mapFromGlobal(moved), save->mapFromGlobal(moved),
                      save->mapFromGlobal(resting));
    QApplication::sendEvent(save, &hover);
    EXPECT_EQ(info->text(), "Salva la scheda corrente in archivio.");
    move(fields, moved);
    EXPECT_EQ(info->text(), "");
}

TEST_P(EveryEditor, ClosingReturnsToTheStartMenu) {
    screen("TfrmAvvio")->hide();
    editor->close();
    EXPECT_TRUE(screen("TfrmAvvio")->isVisible());
    EXPECT_FALSE(editor->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Editors, EveryEditor, ::testing::ValuesIn(kEditors),
                         [](const auto& info) { return std::string(info.param.screen); });

} // namespace
