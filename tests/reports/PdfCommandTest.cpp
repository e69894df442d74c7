// velmora-cli pdf: one record of a year's daily archive, of the timetables or
// of the workers as a one-page PDF sheet.
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
        for (const char* name : {"2024.ore", "Orari.pro", "Dipendenti.pro"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(VELMORA_TEST_DATA "/") + name,
                                    folder.filePath(QString::fromLatin1(name))));
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

TEST_F(PdfCommand, WritesTheWeeklySheetOfThatYear) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELMORA_TEST_DATA "/2024.set"),
                            folder.filePath(QStringLiteral("2024.set"))));
    EXPECT_EQ(cli::runPdf(options, {"weekly", "--year", "2024", "1", "-o", out()}), cli::kExitOk);
    EXPECT_EQ(pdfPageCount(out()), 1);
    const auto text = pdfText(out());
    ASSERT_TRUE(text);
    for (const char* expected :
         {"Settimana 10", "SETTIMANA DAL 04/03/2024 AL 10/03/2024", "LUNEDI'", "DOMENICA",
          "Esposito", "Reperibile: Gallo Francesca", "Palestra comunale", "Chiavi in portineria",
          "Sabato chiuso per manutenzione", "Stampa eseguita in data 05/03/2024 alle ore 09:30:15"})
        EXPECT_TRUE(text->simplified().contains(QString::fromUtf8(expected))) << expected;
    EXPECT_THROW(cli::runPdf(options, {"weekly", "1", "-o", out("b.pdf")}), cli::CliError);
    EXPECT_THROW(cli::runPdf(options, {"weekly", "--year", "2024", "-o", "2024.set"}),
                 cli::CliError);
}

TEST_F(PdfCommand, WritesTheTimetableSheetAndTheWorkerCard) {
    struct Case {
        QStringList args;
        std::vector<const char*> expected;
        QSizeF pointsSize; // the page, landscape or portrait A4
    };
    const Case cases[] = {
        {{"timetables", "2", "-o", out()},
         {"Orario estivo", "DALLE ORE", "ATTIVITA' DA SVOLGERE", "07:30", "13:30",
          "Sorveglianza spiaggia", "20:00", "21:00", "Chiusura cancelli", "giugno - settembre",
          "Lido comunale", "Stampa eseguita in data 05/03/2024 alle ore 09:30:15"},
         {842, 595}},
        {{"workers", "1", "-o", out()},
         {"SCHEDA INFORMATIVA LAVORATORE", "Cognome e nome: Rossi Mario",
          "Comune di nascita: Roma RM", "IBAN: IT60X0542811101000000123456",
          "Compenso totale: € 18000,00", "Importo rata: € 1500,00",
          "Stampa eseguita in data 05/03/2024 alle ore 09:30:15"},
         {595, 842}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.first().toStdString());
        EXPECT_EQ(cli::runPdf(options, c.args), cli::kExitOk);
        EXPECT_EQ(pdfPageCount(out()), 1);
        const auto text = pdfText(out());
        ASSERT_TRUE(text) << "pdftotext (poppler-utils) is missing";
        for (const char* expected : c.expected)
            EXPECT_TRUE(text->simplified().contains(QString::fromUtf8(expected).simplified()))
                << expected;
        QFile pdf(out());
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        const QByteArray box = QStringLiteral("/MediaBox [0 0 %1 %2]")
                                   .arg(c.pointsSize.width(), 0, 'f', 6)
                                   .arg(c.pointsSize.height(), 0, 'f', 6)
                                   .toLatin1();
        EXPECT_TRUE(pdf.readAll().contains(box)) << box.toStdString();
    }
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
        {"a year for the timetables", {"timetables", "--year", "2024", "1", "-o", out()}},
        {"past the last timetable", {"timetables", "3", "-o", out()}},
        {"no worker number", {"workers", "-o", out()}},
        {"worker 0", {"workers", "0", "-o", out()}},
        {"no sheet", {"-o", out()}},
    };
    for (const auto& [what, args] : cases) {
        EXPECT_THROW(cli::runPdf(options, args), cli::CliError) << what;
        EXPECT_FALSE(QFile::exists(out())) << what;
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              (QStringList{"2024.ore", "Dipendenti.pro", "Orari.pro"}));
    // Without their archive the two others refuse too.
    for (const char* name : {"Orari.pro", "Dipendenti.pro"})
        ASSERT_TRUE(QFile::remove(folder.filePath(QString::fromLatin1(name))));
    for (const char* sheet : {"timetables", "workers"}) {
        EXPECT_THROW(cli::runPdf(options, {sheet, "1", "-o", out()}), cli::CliError) << sheet;
        EXPECT_FALSE(QFile::exists(out())) << sheet;
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"2024.ore"});
}

TEST_F(PdfCommand, NeverWritesOntoTheProgramsOwnFiles) {
    // Every program file holds the same bytes, to see that none changes.
    for (const char* name : {"Orari.pro", "Dipendenti.pro", "2024.set", "unins000.dll"}) {
        QFile::remove(out(name));
        ASSERT_TRUE(QFile::copy(QStringLiteral(VELMORA_TEST_DATA "/2024.ore"), out(name)));
    }
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
    const QStringList sheets[] = {
        {"daily", "--year", "2024", "1"}, {"timetables", "1"}, {"workers", "1"}};
    for (const QString& target : targets) {
        for (const QStringList& sheet : sheets) {
            EXPECT_THROW(cli::runPdf(options, sheet + QStringList{"-o", target}), cli::CliError)
                << sheet.first().toStdString() << " onto " << target.toStdString();
        }
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
              QStringList({"2024.ore", "Dipendenti.pro", "Orari.pro", "sheet.pdf"}));
}

} // namespace
