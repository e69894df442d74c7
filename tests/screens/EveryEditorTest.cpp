// What every record editor does alike, one row per editor: save, moves,
// duplicate, empty and failing archives, showing afresh, the maximum length
// of every box. A new editor joins by adding its row.
#include "EditorFixture.h"

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

class EveryEditor : public EditorTest, public ::testing::WithParamInterface<const EditorKind*> {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        open(*GetParam());
    }
};

TEST_P(EveryEditor, SaveChecksTheMandatoryFieldsThenAppendsThenUpdatesInPlace) {
    editor->btnSalvaClick();
    EXPECT_EQ(messages->last(), kind->firstWarning);
    EXPECT_EQ(messages->shown.back().kind, Messages::Kind::Warning);
    EXPECT_TRUE(box(kind->firstField)->hasFocus());
    EXPECT_FALSE(QFile::exists(archive));

    seed(7);
    fillMandatory();
    box(kind->freeFields.first)->setText("  Sede centrale ");
    editor->btnSalvaClick();
    EXPECT_EQ(number(), "8");
    EXPECT_EQ(messages->last(), Expected::kAppended);
    EXPECT_EQ(messages->shown.back().kind, Messages::Kind::Information);
    box(kind->freeFields.second)->setText("Nota");
    editor->btnSalvaClick();
    EXPECT_EQ(number(), "8");
    EXPECT_EQ(messages->last(), Expected::kUpdated);
    EXPECT_EQ(records(), 8);

    TRecordArchive a(layout().size());
    a.open(archive, TRecordArchive::Mode::ReadOnly);
    TRecord saved(layout());
    a.seek(7);
    a.read(saved.bytes());
    EXPECT_EQ(saved.text(kind->freeFields.first.mid(3)), "Sede centrale");
    EXPECT_EQ(saved.text(kind->freeFields.second.mid(3)), "Nota");
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
        EXPECT_EQ(messages->last(), Expected::kEmptyArchive);
        EXPECT_EQ(number(), "");
    }
    EXPECT_TRUE(QFile::exists(archive));
    EXPECT_EQ(QFileInfo(archive).size(), 0);
}

TEST_P(EveryEditor, DuplicateMakesAnUnsavedCopyWithoutAttachments) {
    if (!kind->duplicates) {
        EXPECT_EQ(screen(kind->screen)->findChild<QWidget*>("btnDuplica"), nullptr);
        return;
    }
    editor->btnDuplicaClick();
    EXPECT_EQ(messages->last(), Expected::kDuplicateFirst);
    seed(3);
    editor->cmdUltimoClick();
    editor->btnDuplicaClick();
    EXPECT_EQ(messages->last(), Expected::kDuplicated);
    EXPECT_EQ(number(), "");
    EXPECT_EQ(box("txtNome")->text(), "Scheda 3");
    EXPECT_EQ(label("lblFile01")->text(), "");
    EXPECT_TRUE(box(kind->firstField)->hasFocus());
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
            EXPECT_EQ(messages->last(), Expected::kArchiveError);
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
    EXPECT_TRUE(box(kind->firstField)->hasFocus());
}

TEST_P(EveryEditor, EveryBoxHoldsAsManyCharactersAsItsField) {
    int boxes = 0;
    for (const TFieldDef& f : layout().fields()) {
        const QString name = "txt" + f.name;
        auto* edit = screen(kind->screen)->findChild<QLineEdit*>(name);
        if (auto* list = screen(kind->screen)->findChild<QComboBox*>(name)) edit = list->lineEdit();
        if (!edit) continue;
        ++boxes;
        EXPECT_EQ(edit->maxLength(), f.capacity) << f.name.toStdString();
    }
    // Every field but the six attachment fields has its box.
    EXPECT_EQ(boxes, static_cast<int>(layout().fields().size()) - 2 * kAttachments);
}

TEST_P(EveryEditor, TheReadyTextStaysUntilThePointerMoves) {
    QLabel* info = label("panInfo");
    auto* save = control<QWidget>(kind->screen, editor->button("btnSalva"));
    auto* fields = control<QWidget>(kind->screen, "shpCampi");
    editor->hide();
    // The pointer rests on Salva while the editor opens under it.
    const QPoint resting = save->mapToGlobal(save->rect().center());
    QCursor::setPos(resting);
    QApplication::processEvents();
    info->setText(kind->readyText);
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
    EXPECT_EQ(info->text(), kind->readyText);

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

INSTANTIATE_TEST_SUITE_P(Editors, EveryEditor, ::testing::ValuesIn(kEveryEditor),
                         [](const auto& info) { return std::string(info.param->screen); });

} // namespace
