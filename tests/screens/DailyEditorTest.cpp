// The daily shift editor's own behaviour: its bytes on disk, the date box,
// Enter chain, focus highlights, hints, keys, faults at Salva and the import
// of a template. What every editor shares is in EveryEditorTest.
#include "EditorFixture.h"
#include "screens/common/TfrmCalendario.h"
#include "screens/daily/TfrmTurni.h"
#include "support/Faults.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCursor>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

const QString kDateWarning = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare la data a cui si riferiscono i "
    "turni di lavoro.");

class DailyEditor : public EditorOn<kDailyEditor> {
  protected:
    void fill(const QString& name, const QString& date) {
        box("txtNome")->setText(name);
        box("txtData")->setText(date);
    }
};

TEST_F(DailyEditor, SaveChecksNameThenDateAndWritesNothing) {
    editor->btnSalvaClick();
    EXPECT_EQ(messages->last(), Expected::kNameWarning);
    EXPECT_EQ(messages->shown.back().kind, Messages::Kind::Warning);
    EXPECT_TRUE(box("txtNome")->hasFocus());

    box("txtNome")->setText("  Turno  ");
    box("txtSede")->setFocus();
    editor->btnSalvaClick();
    EXPECT_EQ(messages->last(), kDateWarning);
    EXPECT_TRUE(box("txtData")->hasFocus());
    EXPECT_FALSE(QFile::exists(archive));
}

TEST_F(DailyEditor, SavedFieldsLandAtTheirOffsetsOnAppendAndOnUpdate) {
    seed(7);
    fill("  Turno di prova ", "05/03/2024");
    box("txtLavoratore04")->setText("Rossi Mario, Bianchi Anna");
    box("txtAttivita12")->setText("Chiusura attività");
    editor->btnSalvaClick();
    EXPECT_EQ(number(), "8");
    EXPECT_EQ(messages->last(), Expected::kAppended);
    EXPECT_EQ(messages->shown.back().kind, Messages::Kind::Information);

    box("txtSede")->setText("Sede centrale");
    editor->btnSalvaClick();
    EXPECT_EQ(number(), "8");
    EXPECT_EQ(messages->last(), Expected::kUpdated);
    EXPECT_EQ(records(), 8);

    QFile f(archive);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray eighth = f.readAll().mid(7 * 5220, 5220);
    EXPECT_EQ(eighth.mid(0, 16), QByteArray("\x0eTurno di prova", 15) + '\0');
    EXPECT_EQ(eighth.mid(113, 14), QByteArray("\x0dSede centrale"));
    EXPECT_EQ(eighth.mid(2141, 18), QByteArray("\x11"
                                               "Chiusura attivit\xe0"));
    EXPECT_EQ(eighth.mid(2262 + 3 * 121, 26), QByteArray("\x19Rossi Mario, Bianchi Anna"));
}

TEST_F(DailyEditor, ExistingArchiveShowsAsTheUserSawIt) {
    QFile::copy(QStringLiteral(VELMORA_TEST_DATA "/2024.ore"), archive);
    QFile json(QStringLiteral(VELMORA_TEST_DATA "/expected.json"));
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    const QJsonArray expected = QJsonDocument::fromJson(json.readAll())["2024.ore"].toArray();
    ASSERT_FALSE(expected.isEmpty());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        editor->cmdAvantiClick();
        EXPECT_EQ(number(), QString::number(i + 1));
        const QJsonObject fields = expected[i].toObject();
        for (auto it = fields.begin(); it != fields.end(); ++it) {
            const QString name = it.key();
            auto* w = screen("TfrmTurni")
                          ->findChild<QWidget*>(
                              (name.startsWith("File") || name.startsWith("Desc") ? "lbl" : "txt") +
                              name);
            ASSERT_TRUE(w) << name.toStdString();
            const QString shown = qobject_cast<QLineEdit*>(w) ? qobject_cast<QLineEdit*>(w)->text()
                                                              : qobject_cast<QLabel*>(w)->text();
            EXPECT_EQ(shown, it.value().toString()) << name.toStdString();
        }
    }
}

TEST_F(DailyEditor, DateBoxOpensThePickerAndOnlyDeleteEmptiesIt) {
    QLineEdit* date = box("txtData");
    date->setText("01/02/2024");
    // Any key but the ones that move on opens the picker, on the box's date.
    QDate shownOn;
    for (int key : {int(Qt::Key_A), int(Qt::Key_Return), int(Qt::Key_Space)}) {
        date->setFocus();
        modal->scripts.push_back([&](QDialog& d) {
            shownOn = d.findChild<QCalendarWidget*>("calAppuntamenti")->selectedDate();
            d.findChild<QAbstractButton*>("btnAnnulla")->click();
        });
        QTest::keyClick(date, Qt::Key(key));
        EXPECT_EQ(date->text(), "01/02/2024");
        EXPECT_EQ(shownOn, QDate(2024, 2, 1));
        EXPECT_TRUE(date->hasFocus()); // nothing picked: the focus stays
    }
    EXPECT_EQ(modal->shownScreens, QStringList(3, "TfrmCalendario"));

    // A pick writes the date and moves on along the Enter chain.
    date->setText("31/02/2024"); // not a day: the picker opens on today
    date->setFocus();
    modal->scripts.push_back([&](QDialog& d) {
        shownOn = d.findChild<QCalendarWidget*>("calAppuntamenti")->selectedDate();
        d.findChild<QAbstractButton*>("btnImportaData")->click();
    });
    QTest::keyClick(date, Qt::Key_F);
    EXPECT_EQ(shownOn, QDate(2024, 3, 5));
    EXPECT_EQ(date->text(), "05/03/2024");
    EXPECT_TRUE(box("txtPeriodo")->hasFocus());

    // The calendar button does the same.
    modal->scripts.push_back(
        [](QDialog& d) { d.findChild<QAbstractButton*>("btnImportaData")->click(); });
    click("TfrmTurni", "impData");
    EXPECT_TRUE(box("txtPeriodo")->hasFocus());

    QTest::keyClick(date, Qt::Key_Delete);
    EXPECT_EQ(date->text(), "");
    box("txtNome")->setText("Turno");
    editor->btnSalvaClick();
    EXPECT_EQ(messages->last(), kDateWarning);
}

TEST_F(DailyEditor, TabAndShiftTabLeaveTheDateBoxAsAnyOther) {
    QWidget* date = box("txtData");
    for (auto key : {Qt::Key_Tab, Qt::Key_Backtab}) {
        date->setFocus();
        QTest::keyClick(date, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_FALSE(date->hasFocus()) << key;
    }
    EXPECT_TRUE(modal->shownScreens.isEmpty());
}

TEST_F(DailyEditor, PickerWritesOnlyForAnExactTag) {
    QLineEdit* date = box("txtData");
    for (const char* tag : {" turni", "TURNI", "set_fine"}) {
        TfrmCalendario picker(editor);
        FormKit::child<QLabel>(&picker, "lblMemory")->setText(tag);
        picker.btnImportaDataClick();
        EXPECT_EQ(date->text(), "") << tag;
    }
    TfrmCalendario picker(editor);
    FormKit::child<QLabel>(&picker, "lblMemory")->setText("turni");
    FormKit::child<QCalendarWidget>(&picker, "calAppuntamenti")
        ->setSelectedDate(QDate(2024, 12, 1));
    picker.btnImportaDataClick();
    EXPECT_EQ(date->text(), "01/12/2024");
}

TEST_F(DailyEditor, EnterWalksTheChainAndHighlightsFollowTheFocus) {
    const std::pair<const char*, const char*> chain[] = {
        {"txtNome", "txtData"},
        {"txtPeriodo", "txtSede"},
        {"txtSede", "txtDisposizioni"},
        {"txtDisposizioni", "txtInizio01"},
        {"txtInizio05", "txtFine05"},
        {"txtFine05", "txtLavoratore05"},
        {"txtLavoratore05", "txtAttivita05"},
        {"txtAttivita05", "txtInizio06"},
        {"txtAttivita12", "txtAnnotazioni"},
        {"txtAnnotazioni", "txtNome"},
    };
    for (const auto& [from, to] : chain) {
        box(from)->setFocus();
        QTest::keyClick(box(from), Qt::Key_Return);
        EXPECT_TRUE(box(to)->hasFocus()) << from << " -> " << to;
    }
    auto highlighted = [this](const char* eff) {
        return !control<QWidget>("TfrmTurni", eff)->isHidden();
    };
    box("txtPeriodo")->setFocus();
    EXPECT_TRUE(highlighted("effPeriodo"));
    EXPECT_FALSE(highlighted("effNome"));
    box("txtInizio01")->setFocus();
    for (const char* eff : {"effNome", "effData", "effPeriodo", "effSede", "effDisposizioni"})
        EXPECT_FALSE(highlighted(eff)) << eff;
}

TEST_F(DailyEditor, HintsFollowTheMouse) {
    QLabel* info = control<QLabel>("TfrmTurni", "panInfo");
    // The pointer has moved since the editor opened.
    QCursor::setPos(QCursor::pos() + QPoint(9, 9));
    const std::pair<const char*, const char*> table[] = {
        {"btnSalva", "Salva la scheda corrente in archivio."},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
        {"impLavoratore07", "Importa un turnista dall'archivio anagrafico dei lavoratori."},
        {"txtData", "Premi un tasto qualsiasi per importare una data dal calendario."},
    };
    for (const auto& [name, hint] : table) {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(control<QWidget>("TfrmTurni", name), &enter);
        EXPECT_EQ(info->text(), QString::fromUtf8(hint));
        QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), QPointF(1, 1), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(control<QWidget>("TfrmTurni", "shpCampi"), &move);
        EXPECT_EQ(info->text(), "");
    }
}

TEST_F(DailyEditor, AFullDiskAtSaveLeavesTheArchiveAsItWas) {
    seed(2);
    const QByteArray before = [&] {
        QFile f(archive);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    fill("Turno", "05/03/2024");
    {
        WriteLimit full(static_cast<rlim_t>(before.size() + 1000));
        editor->btnSalvaClick();
    }
    EXPECT_EQ(messages->last(), Expected::kArchiveError);
    EXPECT_EQ(number(), "");
    QFile f(archive);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

// A disk that cannot flush the appended record when the archive is closed,
// or that gives out in the middle of an update in place: the archive error
// is shown and the archive holds what it held.
TEST_F(DailyEditor, AFlushOrAnUpdateThatFailsAtSaveIsToldAndLeavesTheArchiveAsItWas) {
    seed(2);
    const QByteArray before = archive_files::readBytes(archive);
    ASSERT_EQ(before.size(), 2 * 5220);
    const struct {
        const char* what;
        DiskFault::Kind fault;
        bool stored; // Salva updates record 2 in place, or appends a new one
    } cases[] = {
        {"a flush at the close of an append", DiskFault::Kind::Flush, false},
        {"an update in place", DiskFault::Kind::Overwrite, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        editor->btnNuovoClick();
        if (c.stored) editor->cmdUltimoClick();
        fill("Turno", "05/03/2024");
        box("txtSede")->setText("Sede cambiata");
        messages->shown.clear();
        {
            DiskFault disk(c.fault, folder.path());
            editor->btnSalvaClick();
            EXPECT_GE(disk.refused(), 1);
        }
        ASSERT_EQ(messages->shown.size(), 1u);
        EXPECT_EQ(messages->shown[0].kind, Messages::Kind::Error);
        EXPECT_EQ(messages->shown[0].text, Expected::kArchiveError);
        EXPECT_EQ(archive_files::readBytes(archive), before);
    }
}

TEST_F(DailyEditor, AnotherCopyHoldingTheArchiveIsToldAndNothingWritten) {
    seed(1);
    TRecordArchive::setLockWaitMs(400);
    fill("Turno", "05/03/2024");
    {
        LockHolder other(archive);
        ASSERT_TRUE(other.holding());
        QElapsedTimer clock;
        clock.start();
        editor->btnSalvaClick();
        EXPECT_LT(clock.elapsed(), 3000);
        editor->cmdUltimoClick();
    }
    TRecordArchive::setLockWaitMs(5000);
    ASSERT_EQ(messages->shown.size(), 2u);
    for (const RecordedMessage& m : messages->shown) {
        EXPECT_EQ(m.text, Expected::kArchiveBusy);
        EXPECT_EQ(m.kind, Messages::Kind::Warning);
    }
    EXPECT_EQ(records(), 1);
    EXPECT_EQ(number(), "");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr); // the busy cursor is gone
    // Once the other copy lets go, the same Salva goes through.
    editor->btnSalvaClick();
    EXPECT_EQ(number(), "2");
}

TEST_F(DailyEditor, InAReadOnlyFolderBrowsingWorksAndOnlySalvaRefuses) {
    seed(2);
    const QByteArray before = [&] {
        QFile f(archive);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    ASSERT_TRUE(QFile::setPermissions(archive, QFile::Permissions(0x6644)));
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::Permissions(0x5555)));
    {
        AsOrdinaryUser user;
        ASSERT_TRUE(user.ok());
        editor->cmdUltimoClick();
        EXPECT_EQ(number(), "2");
        editor->cmdIndietroClick();
        EXPECT_EQ(box("txtNome")->text(), "Scheda 1");
        editor->btnDuplicaClick();
        EXPECT_EQ(messages->shown.back().kind, Messages::Kind::Information);
        box("txtSede")->setText("Sede nuova");
        editor->btnSalvaClick();
        EXPECT_EQ(messages->last(), Expected::kArchiveError);

        // A year nobody has used yet reads as empty and is not created.
        label("lblFile")->setText(path("2031.ore"));
        messages->shown.clear();
        editor->cmdAvantiClick();
        EXPECT_EQ(messages->last(), Expected::kEmptyArchive);
    }
    QFile::setPermissions(folder.path(), QFile::Permissions(0x7700));
    EXPECT_FALSE(QFile::exists(path("2031.ore")));
    QFile f(archive);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

TEST_F(DailyEditor, ButtonsAnswerTheirShortcutsAndAltLetters) {
    seed(3);
    QLineEdit* inBox = box("txtSede");
    inBox->setFocus();
    struct Step {
        QKeySequence keys;
        const char* number; // lblPosizione after the keys
    } browse[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_End), "3"},  {QKeySequence(Qt::Key_PageUp), "2"},
        {QKeySequence(Qt::CTRL | Qt::Key_Home), "1"}, {QKeySequence(Qt::Key_PageDown), "2"},
        {QKeySequence(Qt::CTRL | Qt::Key_N), ""},     {QKeySequence(Qt::Key_PageDown), "1"},
    };
    for (const Step& s : browse) {
        QTest::keySequence(QApplication::focusWidget(), s.keys);
        EXPECT_EQ(number(), s.number) << s.keys.toString().toStdString();
    }
    QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::CTRL | Qt::Key_D));
    EXPECT_EQ(messages->last(), Expected::kDuplicated);
    QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(number(), "4");
    QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(modal->shownScreens.back(), "TfrmStampaTurno");
    inBox->setFocus();
    QTest::keySequence(inBox, QKeySequence(Qt::ALT | Qt::Key_N));
    // A button pressed by its letter shows itself pressed for a moment first.
    EXPECT_TRUE(QTest::qWaitFor([this] { return number().isEmpty(); }, 2000));

    // Escape is no key of the editor: it would drop what is typed.
    box("txtNome")->setText("da tenere");
    QTest::keyClick(box("txtNome"), Qt::Key_Escape);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(box("txtNome")->text(), "da tenere");

    const std::pair<const char*, const char*> tips[] = {
        {"btnSalva", "Salva la scheda corrente in archivio. (Alt+S, Ctrl+S)"},
        {"btnAnteprima", "Visualizza l'anteprima di stampa della scheda corrente. (Alt+E)"},
        {"cmdAvanti", "Visualizza la scheda successiva in archivio. (PgDown)"},
    };
    for (const auto& [name, tip] : tips)
        EXPECT_EQ(control<QWidget>("TfrmTurni", name)->toolTip(), QString::fromUtf8(tip));
}

TEST_F(DailyEditor, PictureButtonsTakeTheFocusAndActOnEnterAndSpace) {
    seed(2);
    auto* last = control<QToolButton>("TfrmTurni", "cmdUltimo");
    EXPECT_EQ(last->focusPolicy(), Qt::StrongFocus);
    last->setFocus();
    QTest::keyClick(last, Qt::Key_Return);
    EXPECT_EQ(number(), "2");
    auto* first = control<QToolButton>("TfrmTurni", "cmdPrimo");
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Space);
    EXPECT_EQ(number(), "1");
}

TEST_F(DailyEditor, EscapeClosesThePickerAsAnnullaDoes) {
    QLineEdit* date = box("txtData");
    date->setText("01/02/2024");
    modal->scripts.push_back([](QDialog& d) {
        QTest::keyClick(d.findChild<QCalendarWidget*>("calAppuntamenti"), Qt::Key_Escape);
    });
    click("TfrmTurni", "impData");
    EXPECT_EQ(modal->shownScreens, QStringList({"TfrmCalendario"}));
    EXPECT_EQ(date->text(), "01/02/2024");
}

} // namespace
