// The attachments screen, opened by every editor through the editor base:
// choosing, copying, opening and clearing files, and handing the six values
// back.
#include "ScreenFixture.h"
#include "screens/common/RecordEditor.h"
#include "screens/common/TfrmAllegaCartella.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

class Attachments : public ScreenTest {
  protected:
    // Every editor starts empty when it shows, its attachment labels too.
    void SetUp() override {
        ScreenTest::SetUp();
        for (const char* editor : {"TfrmTurni", "TfrmSettimanale", "TfrmOrari", "TfrmIstruttori"})
            screen(editor)->show();
    }
    QTemporaryDir elsewhere; // where the user's own files are
    QString stored(const QString& name) const { return path("Documenti_Allegati/" + name); }
    QString own(const QString& name) const { return elsewhere.filePath(name); }
    static QLineEdit* box(QDialog& d, const QString& name) { return d.findChild<QLineEdit*>(name); }
    static void press(QDialog& d, const QString& name) {
        d.findChild<QAbstractButton*>(name)->click();
    }
};

// Each editor opens the one screen with its tag and its six labels, and
// gets them back on "Applica e chiudi".
TEST_F(Attachments, EveryEditorOpensItWithItsLabelsAndGetsThemBack) {
    const std::tuple<const char*, const char*, const char*> editors[] = {
        {"TfrmTurni", "btnAllega", "turni"},
        {"TfrmSettimanale", "btnAllega", "settimanale"},
        {"TfrmOrari", "btnAllega", "orari"},
        {"TfrmIstruttori", "cmdFile", "istruttori"},
    };
    for (const auto& [editor, button, tag] : editors) {
        SCOPED_TRACE(editor);
        control<QLabel>(editor, "lblFile02")->setText(" vecchio.pdf ");
        control<QLabel>(editor, "lblDesc02")->setText("Vecchio");
        modal->scripts.push_back([&, tag = tag](QDialog& d) {
            EXPECT_EQ(d.objectName(), "TfrmAllegaCartella");
            EXPECT_EQ(d.windowTitle(), " Allega file");
            EXPECT_EQ(d.findChild<QLabel*>("lblMemory")->text(), tag);
            EXPECT_EQ(box(d, "txtFile02")->text(), "vecchio.pdf");
            EXPECT_TRUE(d.findChild<QPushButton*>("btnApri02")->isEnabled());
            EXPECT_FALSE(d.findChild<QPushButton*>("btnApri01")->isEnabled());
            box(d, "txtDesc01")->setText("  Orario firmato ");
            press(d, "imgCancella02"); // clears the name, keeps the description
            EXPECT_FALSE(d.findChild<QPushButton*>("btnApri02")->isEnabled());
            press(d, "btnApplica");
        });
        click(editor, button);
        EXPECT_EQ(control<QLabel>(editor, "lblDesc01")->text(), "Orario firmato");
        EXPECT_EQ(control<QLabel>(editor, "lblFile02")->text(), "");
        EXPECT_EQ(control<QLabel>(editor, "lblDesc02")->text(), "Vecchio");
    }
}

TEST_F(Attachments, AChosenFileIsCopiedInAndNamedByItsBareName) {
    ASSERT_TRUE(write(own("turni.pdf"), "nuovo"));
    fileChooser->answers.push_back(own("turni.pdf"));
    modal->scripts.push_back([&](QDialog& d) {
        press(d, "btnSfoglia01");
        EXPECT_EQ(box(d, "txtFile01")->text(), "turni.pdf");
        EXPECT_TRUE(d.findChild<QPushButton*>("btnApri01")->isEnabled());
        press(d, "btnApri01");
        press(d, "btnApplica");
    });
    click("TfrmTurni", "btnAllega");
    EXPECT_EQ(fileChooser->titles, QStringList({"Selezionare il file da allegare:"}));
    EXPECT_EQ(contents(stored("turni.pdf")), "nuovo");
    EXPECT_EQ(shell->opened, QStringList({'"' + stored("turni.pdf") + '"'}));
    EXPECT_EQ(control<QLabel>("TfrmTurni", "lblFile01")->text(), "turni.pdf");
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(Attachments, AFileOfTheSameNameIsReplacedOnlyWhenTheUserSaysSo) {
    ASSERT_TRUE(QDir().mkpath(path("Documenti_Allegati")));
    ASSERT_TRUE(write(stored("turni.pdf"), "vecchio"));
    ASSERT_TRUE(write(own("turni.pdf"), "nuovo"));
    for (bool yes : {false, true}) {
        messages->answers.push_back(yes);
        fileChooser->answers.push_back(own("turni.pdf"));
        modal->scripts.push_back([&](QDialog& d) {
            press(d, "btnSfoglia03");
            EXPECT_EQ(box(d, "txtFile03")->text(), "turni.pdf");
            press(d, "btnAnnulla");
        });
        click("TfrmOrari", "btnAllega");
        EXPECT_EQ(messages->last(),
                  "Attenzione: nella cartella dei documenti allegati è presente un file con lo "
                  "stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");
        EXPECT_EQ(messages->shown.back().kind, Messages::Kind::Question);
        EXPECT_EQ(contents(stored("turni.pdf")), yes ? "nuovo" : "vecchio");
        // Annulla: the editor keeps what it had, the copy stays in the folder.
        EXPECT_EQ(control<QLabel>("TfrmOrari", "lblFile03")->text(), "");
    }
}

TEST_F(Attachments, AChoiceGivenUpChangesNothing) {
    ASSERT_TRUE(QDir().mkpath(path("Documenti_Allegati")));
    ASSERT_TRUE(write(stored("turni.pdf"), "vecchio"));
    modal->scripts.push_back([&](QDialog& d) {
        box(d, "txtFile01")->setText("turni.pdf");
        press(d, "btnSfoglia01"); // the chooser answers nothing
        EXPECT_EQ(box(d, "txtFile01")->text(), "turni.pdf");
        press(d, "btnAnnulla");
    });
    click("TfrmTurni", "btnAllega");
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(contents(stored("turni.pdf")), "vecchio");
}

// A name from a damaged or foreign archive never reaches outside the folder.
TEST_F(Attachments, ANameThatIsAPathIsNeverOpened) {
    for (const char* name :
         {"../segreto.txt", "sub/x.pdf", "sub\\x.pdf", "C:x.pdf", "a:b", ".", ".."}) {
        control<QLabel>("TfrmTurni", "lblFile01")->setText(name);
        modal->scripts.push_back([&](QDialog& d) {
            press(d, "btnApri01");
            press(d, "btnAnnulla");
        });
        click("TfrmTurni", "btnAllega");
        EXPECT_TRUE(shell->opened.isEmpty()) << name;
    }
    EXPECT_FALSE(::Attachments::isBareName(""));
    EXPECT_TRUE(::Attachments::isBareName("orario estivo.pdf"));
}

TEST_F(Attachments, AnUnknownTagKeepsTheScreenOpenAndWritesNothing) {
    TfrmAllegaCartella screen(nullptr);
    FormKit::child<QLabel>(&screen, "lblMemory")->setText("registro");
    FormKit::child<QLineEdit>(&screen, "txtFile01")->setText("x.pdf");
    screen.btnApplicaClick();
    EXPECT_EQ(screen.result(), QDialog::Rejected);
    EXPECT_EQ(control<QLabel>("TfrmTurni", "lblFile01")->text(), "");
}

TEST_F(Attachments, ALongDescriptionIsCutToItsFieldAtSalva) {
    control<QLabel>("TfrmTurni", "lblFile")->setText(path("2024.ore"));
    control("TfrmTurni", "txtNome")->setText("Turno");
    control("TfrmTurni", "txtData")->setText("05/03/2024");
    modal->scripts.push_back([&](QDialog& d) {
        box(d, "txtDesc01")->setText(QString(300, u'd'));
        press(d, "btnApplica");
    });
    click("TfrmTurni", "btnAllega");
    EXPECT_EQ(control<QLabel>("TfrmTurni", "lblDesc01")->text().size(), 300);
    qobject_cast<RecordEditor*>(screen("TfrmTurni"))->btnSalvaClick();
    qobject_cast<RecordEditor*>(screen("TfrmTurni"))->cmdPrimoClick();
    EXPECT_EQ(control<QLabel>("TfrmTurni", "lblDesc01")->text(), QString(250, u'd'));
}

} // namespace
