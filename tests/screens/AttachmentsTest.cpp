// The attachments screen, opened by every editor through the editor base:
// choosing, copying, opening and clearing files, and handing the six values
// back.
#include "ScreenFixture.h"
#include "screens/common/RecordEditor.h"
#include "screens/common/TfrmAllegaCartella.h"
#include "support/Faults.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <sys/stat.h>

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
    static QString stored(const QString& name) { return ::Attachments::folder() + name; }
    QString own(const QString& name) const { return elsewhere.filePath(name); }
    static QLineEdit* box(QDialog& d, const QString& name) { return d.findChild<QLineEdit*>(name); }
    static void press(QDialog& d, const QString& name) {
        d.findChild<QAbstractButton*>(name)->click();
    }
    // Everything in the attachments folder, hidden files and links too.
    static QStringList inFolder() {
        return QDir(::Attachments::folder())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    // Opens the daily editor's attachments with "vecchio.pdf" in slot 1,
    // chooses `file` for it and returns what the slot's box then shows.
    QString chooseForSlotOne(const QString& file) {
        control<QLabel>("TfrmTurni", "lblFile01")->setText("vecchio.pdf");
        fileChooser->answers.push_back(file);
        QString shown;
        modal->scripts.push_back([&](QDialog& d) {
            press(d, "btnSfoglia01");
            shown = box(d, "txtFile01")->text();
            press(d, "btnAnnulla");
        });
        click("TfrmTurni", "btnAllega");
        return shown;
    }
    // The last message, which must be the `count`th since `before`.
    RecordedMessage told(std::size_t before, std::size_t count = 1) const {
        EXPECT_EQ(messages->shown.size(), before + count);
        return messages->shown.empty() ? RecordedMessage{} : messages->shown.back();
    }
};

const QString kOverwrite = QStringLiteral(
    "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome."
    "\r\n\r\nSi vuole sovrascrivere il file esistente?");

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
        EXPECT_EQ(messages->last(), kOverwrite);
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

// A link planted in the folder is replaced by the copy, never written
// through; a dangling one counts as a file there, so the user is asked.
TEST_F(Attachments, ALinkInTheFolderIsReplacedAndNeverFollowed) {
    ASSERT_TRUE(QDir().mkpath(path("Documenti_Allegati")));
    ASSERT_TRUE(write(path("2024.ore"), "archivio"));
    ASSERT_TRUE(QFile::link("../2024.ore", stored("evil.txt")));
    ASSERT_TRUE(QFile::link("../fuori.txt", stored("nuovo.txt")));
    ASSERT_TRUE(QFile::link("../fuori.txt", stored("altro.txt")));
    const std::pair<const char*, bool> cases[] = {
        {"evil.txt", true}, {"nuovo.txt", true}, {"altro.txt", false}};
    for (const auto& [name, yes] : cases) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(write(own(name), "allegato"));
        messages->answers.push_back(yes);
        const std::size_t before = messages->shown.size();
        EXPECT_EQ(chooseForSlotOne(own(name)), name);
        EXPECT_EQ(told(before).text, kOverwrite);
        EXPECT_EQ(QFileInfo(stored(name)).isSymLink(), !yes);
        if (yes) {
            EXPECT_EQ(contents(stored(name)), "allegato");
        }
    }
    EXPECT_EQ(contents(path("2024.ore")), "archivio");
    EXPECT_FALSE(QFileInfo::exists(path("fuori.txt")));
    EXPECT_EQ(inFolder(), QStringList({"altro.txt", "evil.txt", "nuovo.txt"}));
}

// A pipe would keep the program waiting in its open, a device would never
// end: what is not a regular file is refused at once.
TEST_F(Attachments, WhatIsNotARegularFileIsRefusedWithoutWaiting) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(own("coda")).constData(), 0600), 0);
    ASSERT_TRUE(QDir().mkdir(own("cartella")));
    for (const QString& chosen : {own("coda"), own("cartella"), QStringLiteral("/dev/null")}) {
        SCOPED_TRACE(chosen.toStdString());
        PipeRelease guard(own("coda"));
        const std::size_t before = messages->shown.size();
        EXPECT_EQ(chooseForSlotOne(chosen), "vecchio.pdf");
        EXPECT_FALSE(guard.released()) << "the program waited on the pipe";
        const RecordedMessage message = told(before);
        EXPECT_EQ(message.kind, Messages::Kind::Warning);
        EXPECT_TRUE(
            message.text.startsWith("Attenzione: l'elemento scelto non è un file ordinario"))
            << message.text.toStdString();
        EXPECT_EQ(inFolder(), QStringList());
    }
}

// The record keeps a name in Windows-1252 within 250 bytes, and a name
// with a backslash or a colon is a path or a stream on Windows: such a name is refused
// before anything is copied. Up to the field's size a name is copied whole.
TEST_F(Attachments, ANameTheRecordCannotHoldIsRefusedBeforeCopying) {
    const std::pair<QString, const char*> cases[] = {
        {QStringLiteral("данные.pdf"),
         "Attenzione: il nome del file scelto contiene caratteri che la scheda non è in grado di "
         "memorizzare"},
        {QString(247, u'a') + ".pdf",
         "Attenzione: il nome del file scelto supera i 250 caratteri che la scheda è in grado di "
         "memorizzare"},
        {QStringLiteral("a\\b.pdf"),
         "Attenzione: il nome del file scelto contiene il carattere \\"},
        {QStringLiteral("a:b.pdf"), "Attenzione: il nome del file scelto contiene il carattere \\"},
        {QString(246, u'a') + ".pdf", nullptr},
        {QStringLiteral("perché è già.pdf"), nullptr},
    };
    for (const auto& [name, refusal] : cases) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(write(own(name), "contenuto"));
        const std::size_t before = messages->shown.size();
        const QString shown = chooseForSlotOne(own(name));
        if (!refusal) {
            EXPECT_EQ(shown, name);
            EXPECT_EQ(contents(stored(name)), "contenuto");
            EXPECT_EQ(messages->shown.size(), before);
            continue;
        }
        EXPECT_EQ(shown, "vecchio.pdf");
        const RecordedMessage message = told(before);
        EXPECT_EQ(message.kind, Messages::Kind::Warning);
        EXPECT_TRUE(message.text.startsWith(QString::fromUtf8(refusal)))
            << message.text.toStdString();
        EXPECT_FALSE(QFileInfo::exists(stored(name)));
    }
    EXPECT_EQ(inFolder().size(), 2);
}

// Each failure is told, and the slot keeps its old name and its old file:
// the record never points to a missing or a half file.
TEST_F(Attachments, AFailedCopyIsToldAndLeavesTheSlotAsItWas) {
    struct Case {
        const char* what;
        std::function<void(const QString& folder)> prepare; // the attachments folder
        bool fullDisk;
        const char* told;
    };
    const Case cases[] = {
        {"a source that is gone", [](const QString& f) { QDir().mkpath(f); }, false,
         "Attenzione: il sistema non permette di leggere il file scelto"},
        {"a full disk",
         [](const QString& f) {
             QDir().mkpath(f);
             write(f + "turni.pdf", "vecchio");
         },
         true,
         "Attenzione: il sistema non permette di copiare il file nella cartella dei documenti "
         "allegati"},
        {"an attachments folder that cannot be made",
         [](const QString& f) { write(f.chopped(1), "un file"); }, false,
         "Attenzione: il sistema non permette di creare la cartella dei documenti allegati"},
        {"a folder of the same name", [](const QString& f) { QDir().mkpath(f + "turni.pdf"); },
         false,
         "Attenzione: nella cartella dei documenti allegati è presente una cartella o un file "
         "speciale con lo stesso nome"},
    };
    ASSERT_TRUE(write(own("turni.pdf"), QByteArray(64 * 1024, 'n')));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir programFolder; // each case on a program folder of its own
        ProgramFolder::override(programFolder.path());
        c.prepare(::Attachments::folder());
        const QStringList before = inFolder();
        const std::size_t shownBefore = messages->shown.size();
        const QString source = std::string_view(c.what) == "a source that is gone"
                                   ? own("sparito.pdf")
                                   : own("turni.pdf");
        QString shown;
        {
            std::optional<WriteLimit> full;
            if (c.fullDisk) full.emplace(4096);
            shown = chooseForSlotOne(source);
        }
        EXPECT_EQ(shown, "vecchio.pdf");
        // A full disk is found after the question about the file there.
        const RecordedMessage message = told(shownBefore, c.fullDisk ? 2 : 1);
        EXPECT_EQ(message.kind, Messages::Kind::Error);
        EXPECT_TRUE(message.text.startsWith(QString::fromUtf8(c.told)))
            << message.text.toStdString();
        EXPECT_EQ(inFolder(), before);
        if (c.fullDisk) {
            EXPECT_EQ(contents(stored("turni.pdf")), "vecchio");
        }
    }
}

// A source that changes while it is copied (here, while the user answers
// the question) leaves the old file and the old name.
TEST_F(Attachments, ASourceThatChangesWhileCopiedLeavesTheSlotAsItWas) {
    class AnswerWhileChanging : public RecordingMessages {
      public:
        std::function<void()> meanwhile;
        bool show(QWidget* parent, Kind kind, const QString& text) override {
            if (kind == Kind::Question && meanwhile) meanwhile();
            return RecordingMessages::show(parent, kind, text);
        }
    };
    auto hooked = std::make_unique<AnswerWhileChanging>();
    AnswerWhileChanging* changing = hooked.get();
    Platform::install(std::move(hooked));
    messages = changing;

    ASSERT_TRUE(QDir().mkpath(path("Documenti_Allegati")));
    ASSERT_TRUE(write(stored("turni.pdf"), "vecchio"));
    const std::pair<const char*, std::function<void(QFile&)>> cases[] = {
        {"shrinks", [](QFile& f) { f.resize(f.size() / 2); }},
        {"grows",
         [](QFile& f) {
             f.open(QIODevice::Append);
             f.write("coda");
         }},
    };
    for (const auto& [what, change] : cases) {
        SCOPED_TRACE(what);
        ASSERT_TRUE(write(own("turni.pdf"), QByteArray(64 * 1024, 'n')));
        changing->meanwhile = [&, change = change] {
            QFile source(own("turni.pdf"));
            change(source);
        };
        const std::size_t before = messages->shown.size();
        EXPECT_EQ(chooseForSlotOne(own("turni.pdf")), "vecchio.pdf");
        ASSERT_EQ(messages->shown.size(), before + 2);
        EXPECT_EQ(messages->shown.back().kind, Messages::Kind::Error);
        EXPECT_TRUE(messages->last().startsWith(
            "Attenzione: il file scelto è cambiato mentre veniva copiato"))
            << messages->last().toStdString();
        EXPECT_EQ(contents(stored("turni.pdf")), "vecchio");
        EXPECT_EQ(inFolder(), QStringList({"turni.pdf"}));
    }
}

// "Applica e chiudi" is the default button: Enter in a description box
// applies and closes.
TEST_F(Attachments, EnterInADescriptionAppliesAndCloses) {
    modal->scripts.push_back([&](QDialog& d) {
        QApplication::setActiveWindow(&d);
        box(d, "txtDesc02")->setFocus();
        box(d, "txtDesc02")->setText("Contratto firmato");
        EXPECT_TRUE(d.findChild<QPushButton*>("btnApplica")->isDefault());
        QTest::keyClick(box(d, "txtDesc02"), Qt::Key_Return);
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    click("TfrmOrari", "btnAllega");
    EXPECT_EQ(control<QLabel>("TfrmOrari", "lblDesc02")->text(), "Contratto firmato");
    EXPECT_TRUE(fileChooser->titles.isEmpty());
}

// The system's chooser, as the user sees it: every file, those without a
// dot too, under the caption "Tutti i file (*.*)"; kinds, sizes and dates in
// Italian; columns wide enough for what they hold.
TEST_F(Attachments, TheSystemChooserShowsEveryFileInItalian) {
    Platform::install(std::unique_ptr<FileChooser>());
    ASSERT_TRUE(write(own("senza_punto"), QByteArray(1536, 's')));
    ASSERT_TRUE(write(own("orario.pdf"), "pdf"));
    ASSERT_TRUE(QDir().mkdir(own("Contratti")));
    {
        QFile pdf(own("orario.pdf"));
        ASSERT_TRUE(pdf.open(QIODevice::ReadWrite));
        ASSERT_TRUE(pdf.setFileTime(QDateTime(QDate(2024, 3, 5), QTime(9, 30)),
                                    QFileDevice::FileModificationTime));
    }
    QString caption;
    std::map<QString, QStringList> rows; // name -> the four columns
    bool wideEnough = true;
    auto look = [&] {
        QFileDialog* dialog = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) dialog = d;
        if (!dialog) return;
        dialog->setDirectory(elsewhere.path());
        auto* view = dialog->findChild<QTreeView*>("treeView");
        QElapsedTimer waited;
        waited.start();
        while (view && view->model()->rowCount(view->rootIndex()) < 3 && waited.elapsed() < 5000)
            QTest::qWait(20);
        if (auto* filter = dialog->findChild<QComboBox*>("fileTypeCombo"))
            caption = filter->currentText();
        QTest::qWait(50); // the columns get their widths once the view is laid out
        for (int row = 0; view && row < view->model()->rowCount(view->rootIndex()); ++row) {
            QStringList columns;
            for (int column = 0; column < 4; ++column) {
                const QString text =
                    view->model()->index(row, column, view->rootIndex()).data().toString();
                columns << text;
                const int needed = view->fontMetrics().horizontalAdvance(text);
                if (view->header()->sectionSize(column) < needed) wideEnough = false;
            }
            rows[columns[0]] = columns;
        }
        // As the user types the name and presses Apri.
        if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit"))
            name->setText("senza_punto");
        static_cast<QDialog*>(dialog)->accept();
        if (dialog->isVisible()) dialog->reject();
    };
    QTimer::singleShot(0, look);
    QTimer::singleShot(8000, look); // never stuck, whatever happened first
    modal->scripts.push_back([&](QDialog& d) {
        press(d, "btnSfoglia01");
        press(d, "btnApplica");
    });
    click("TfrmTurni", "btnAllega");
    EXPECT_EQ(control<QLabel>("TfrmTurni", "lblFile01")->text(), "senza_punto");
    EXPECT_EQ(caption, "Tutti i file (*.*)");
    ASSERT_EQ(rows.count("senza_punto"), 1u) << "a file without a dot is shown";
    EXPECT_EQ(rows["senza_punto"][1], "1,50 KiB");
    ASSERT_EQ(rows.count("Contratti"), 1u);
    EXPECT_EQ(rows["Contratti"][2], "Cartella");
    ASSERT_EQ(rows.count("orario.pdf"), 1u);
    EXPECT_EQ(rows["orario.pdf"][3], "05/03/2024 09:30");
    EXPECT_TRUE(wideEnough);
    EXPECT_EQ(contents(stored("senza_punto")), QByteArray(1536, 's'));
}

} // namespace
