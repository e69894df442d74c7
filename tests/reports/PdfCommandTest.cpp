// velmora-cli pdf daily: one record of a year's daily archive as a one-page
// PDF sheet.
#include "cli/PdfCommand.h"
#include "PdfSupport.h"
#include "support/Faults.h"
#include "support/GuiTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

class PdfCommand : public ::testing::Test {
  protected:
    QTemporaryDir folder;
    cli::Options options;

    void SetUp() override {
        ASSERT_TRUE(QFile::copy(QStringLiteral(VELMORA_TEST_DATA "/2024.ore"),
                                folder.filePath(QStringLiteral("2024.ore"))));
        options.folder = folder.path();
        Clock::install(
            std::make_unique<FixedClock>(QDateTime(QDate(2024, 3, 5), QTime(9, 30, 15))));
    }
    void TearDown() override { Clock::install(nullptr); }
    QString out(const QString& name = QStringLiteral("sheet.pdf")) const {
        return folder.filePath(name);
    }
};

TEST_F(PdfCommand, WritesTheSheetOfTheNumberedRecord) {
    const QStringList args = {"daily", "--year", "2024", "1", "-o", out()};
    EXPECT_EQ(cli::runPdf(options, args), cli::kExitOk);
    ASSERT_TRUE(QFile::exists(out()));
    EXPECT_EQ(pdfPageCount(out()), 1);
    const auto text = pdfText(out());
    ASSERT_TRUE(text)
        << "pdftotext (poppler-utils) is missing: scripts/install-deps.sh installs it";
    for (const char* expected :
         {"Turno ordinario", "DATA:  04/03/2024", "Rossi Mario, Esposito Chiara", "08:00",
          "Pulizie e chiusura", "Sede di via Garibaldi",
          "FIRMA DEL RESPONSABILE:", "Stampa eseguita in data 05/03/2024 alle ore 09:30:15"})
        // pdftotext lays words out again; the exact blanks are the prepared page's.
        EXPECT_TRUE(text->simplified().contains(QString::fromUtf8(expected).simplified()))
            << expected;
}

TEST_F(PdfCommand, RefusesWhatItCannotPrintAndCreatesNothing) {
    const std::vector<std::pair<const char*, QStringList>> cases = {
        {"no archive for the year", {"daily", "--year", "2023", "1", "-o", out()}},
        {"record 0", {"daily", "--year", "2024", "0", "-o", out()}},
        {"past the last record", {"daily", "--year", "2024", "3", "-o", out()}},
        {"not a number", {"daily", "--year", "2024", "uno", "-o", out()}},
        {"no record number", {"daily", "--year", "2024", "-o", out()}},
        {"no output", {"daily", "--year", "2024", "1"}},
        {"no year", {"daily", "1", "-o", out()}},
        {"year not four digits", {"daily", "--year", "24", "1", "-o", out()}},
        {"unknown sheet", {"weekly", "--year", "2024", "1", "-o", out()}},
        {"unknown option", {"daily", "--year", "2024", "1", "-o", out(), "--color"}},
        {"output folder missing", {"daily", "--year", "2024", "1", "-o", out("no/sheet.pdf")}},
    };
    for (const auto& [what, args] : cases) {
        EXPECT_THROW(cli::runPdf(options, args), cli::CliError) << what;
        EXPECT_FALSE(QFile::exists(out())) << what;
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"2024.ore"});
}

TEST_F(PdfCommand, NeverWritesOntoTheProgramsOwnFiles) {
    for (const char* name : {"Orari.pro", "Dipendenti.pro", "2024.set", "unins000.dll"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(VELMORA_TEST_DATA "/2024.ore"), out(name)));
    ASSERT_TRUE(QFile::link(out("Dipendenti.pro"), out("scheda.pdf")));
    const QString folderName = QFileInfo(folder.path()).fileName();
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    const QStringList targets = {
        "2024.ore",                        // relative to the folder it is run in
        out("2024.set"),                   // absolute
        "../" + folderName + "/Orari.pro", // through ".."
        "scheda.pdf",                      // a link to an archive
        out("unins000.dll"),               // the password store
        "./sub/../2024.ore",               // a folder that is not there, then back
    };
    const QByteArray original = [] {
        QFile f(QStringLiteral(VELMORA_TEST_DATA "/2024.ore"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    for (const QString& target : targets) {
        EXPECT_THROW(cli::runPdf(options, {"daily", "--year", "2024", "1", "-o", target}),
                     cli::CliError)
            << target.toStdString();
    }
    QDir::setCurrent(cwd);
    for (const char* name :
         {"2024.ore", "Orari.pro", "Dipendenti.pro", "2024.set", "unins000.dll"}) {
        QFile f(out(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), original) << name;
    }
    // A sheet beside them is fine.
    EXPECT_EQ(cli::runPdf(options, {"daily", "--year", "2024", "1", "-o", out("2024.pdf")}),
              cli::kExitOk);
}

TEST_F(PdfCommand, AFullDiskKeepsTheEarlierSheetWhole) {
    const QStringList args = {"daily", "--year", "2024", "1", "-o", out()};
    ASSERT_EQ(cli::runPdf(options, args), cli::kExitOk);
    QFile sheet(out());
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    const QByteArray before = sheet.readAll();
    sheet.close();
    {
        WriteLimit full(2048);
        EXPECT_THROW(cli::runPdf(options, args), cli::CliError);
    }
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    EXPECT_EQ(sheet.readAll(), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"2024.ore", "sheet.pdf"}));
}

} // namespace
