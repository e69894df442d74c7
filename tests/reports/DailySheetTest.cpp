// The daily sheet screens: what the printed and previewed page shows, read
// from the editor's controls as they are on screen.
#include "SheetFixture.h"
#include "screens/daily/TfrmAnteprimaTurno.h"
#include "screens/daily/TfrmStampaTurno.h"
#include "screens/daily/TfrmTurni.h"
#include "screens/timetables/TfrmStampaOrario.h"
#include "screens/workers/TfrmAnteprimaIstruttore.h"
#include "screens/workers/TfrmStampaIstruttore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>

namespace {

using namespace report;

class DailySheet : public SheetTest {
  protected:
    TfrmTurni* editor = nullptr;

    DailySheet() : SheetTest(QStringLiteral("TfrmTurni")) {}
    void SetUp() override {
        SheetTest::SetUp();
        editor = qobject_cast<TfrmTurni*>(screen("TfrmTurni"));
        control<QLabel>("TfrmTurni", "lblFile")->setText(path("2024.ore"));
    }
};

TEST_F(DailySheet, EveryBoxShowsTheTrimmedTextOfItsControl) {
    const std::map<QString, QString> typed = typeAroundBlanks(TRecordLayout::daily());
    // Several workers in one slot, longer than the box is wide: one line.
    const QString workers = QStringLiteral("Rossi Mario, Esposito Chiara, Bianchi Anna, "
                                           "Verdi Giuseppe, Russo Francesca, Colombo Luca");
    box("txtLavoratore07")->setText(workers);

    const PreparedPage page = printedPage();
    for (const auto& [f, text] : typed) {
        const QString expected = f == u"Data"           ? "DATA:  " + text + " "
                                 : f == u"Lavoratore07" ? workers
                                                        : text;
        EXPECT_EQ(textOf(page, "tit" + f), expected) << f.toStdString();
    }
    EXPECT_EQ(page.text("titLavoratore07")->lines.size(), 1);
    EXPECT_EQ(textOf(page, "txtCalce"), kFooter);
    // Nothing else on the page is filled by the program.
    const auto named = std::count_if(page.texts.begin(), page.texts.end(),
                                     [](const TextBox& t) { return !t.name.isEmpty(); });
    EXPECT_EQ(named, std::ssize(typed) + 1);
}

TEST_F(DailySheet, FreshScreenPrintsEmptyBoxesAndTheBareDateLine) {
    const PreparedPage page = printedPage();
    for (const TextBox& t : page.texts) {
        if (t.name.isEmpty() || t.name == u"txtCalce") continue;
        EXPECT_EQ(t.text(), t.name == u"titData" ? QStringLiteral("DATA:   ") : QString())
            << t.name.toStdString();
    }
    EXPECT_EQ(textOf(page, "txtCalce"), kFooter);
}

TEST_F(DailySheet, SlotsKeepTheirRowsAndBoxesTheirPlaceAndFont) {
    // Slots 2 and 5 filled, 3 and 4 left empty between them.
    for (const char* slot : {"02", "05"}) {
        box(QStringLiteral("txtInizio") + slot)->setText("08:00");
        box(QStringLiteral("txtLavoratore") + slot)->setText(QStringLiteral("Turnista ") + slot);
    }
    const PreparedPage page = printedPage();
    EXPECT_EQ(page.paperMm, QSizeF(297, 210));

    struct Expected {
        const char* name;
        QRectF mm; // on the paper: the template's place plus the 10 mm margin
        double points;
        HAlign align;
        const char* text;
    };
    const Expected table[] = {
        {"titNome", {11, 11, 221.8, 7.2}, 12, HAlign::Left, ""},
        {"titData", {236, 11, 49.8, 7.2}, 12, HAlign::Right, "DATA:   "},
        {"titInizio01", {12, 27, 31.8, 4.4}, 9, HAlign::Center, ""},
        {"titInizio02", {12, 34, 31.8, 4.4}, 9, HAlign::Center, "08:00"},
        {"titLavoratore02", {81, 34, 105.5, 4.4}, 9, HAlign::Left, "Turnista 02"},
        {"titInizio03", {12, 41, 31.8, 4.4}, 9, HAlign::Center, ""},
        {"titLavoratore04", {81, 48, 105.5, 4.4}, 9, HAlign::Left, ""},
        {"titInizio05", {12, 55, 31.8, 4.4}, 9, HAlign::Center, "08:00"},
        {"titLavoratore05", {81, 55, 105.5, 4.4}, 9, HAlign::Left, "Turnista 05"},
        {"titFine12", {46, 104, 31.8, 4.4}, 9, HAlign::Center, ""},
        {"titAttivita12", {190, 104, 94.5, 4.4}, 9, HAlign::Left, ""},
        {"titPeriodo", {12, 123, 127, 4.4}, 9, HAlign::Center, ""},
        {"titSede", {146, 123, 139, 4.4}, 9, HAlign::Center, ""},
        {"titDisposizioni", {13, 141, 271.5, 4.4}, 9, HAlign::Left, ""},
        {"titAnnotazioni", {13, 158, 271.5, 4.4}, 9, HAlign::Left, ""},
        {"txtCalce", {12, 193, 273, 4.2}, 8, HAlign::Center, ""},
    };
    for (const Expected& e : table) {
        expectPlace(page, QString::fromLatin1(e.name), e.mm, e.points, e.align);
        if (QLatin1String(e.name) != QLatin1String("txtCalce")) {
            EXPECT_EQ(textOf(page, QString::fromLatin1(e.name)), QString::fromUtf8(e.text))
                << e.name;
        }
    }
}

TEST_F(DailySheet, PreviewShowsTheSamePageThatIsPrinted) {
    box("txtNome")->setText("Turno ordinario");
    box("txtLavoratore01")->setText("Rossi Mario");
    press("btnStampa");
    press("btnAnteprima");
    EXPECT_EQ(modal->shownScreens, (QStringList{"TfrmStampaTurno", "TfrmAnteprimaTurno"}));
    ASSERT_EQ(printing->printed.size(), 1u);
    ASSERT_EQ(printing->previewed.size(), 1u);
    EXPECT_EQ(printing->previewed[0], printing->printed[0]);
    EXPECT_EQ(printing->printed[0].orientation, Orientation::Landscape);

    // The production preview window lays out that one landscape page.
    PreviewWindow window(printing->previewed[0]);
    window.pages()->updatePreview();
    EXPECT_EQ(window.pages()->pageCount(), 1);
    EXPECT_EQ(window.pages()->orientation(), QPageLayout::Landscape);
    // It fits the screen, whatever room the screen has.
    window.show();
    QCoreApplication::processEvents();
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(room.contains(window.frameGeometry())) << window.width() << "x" << window.height();
}

TEST_F(DailySheet, ASheetPrintedToAFileIsWrittenWholeOrReportedAsFailed) {
    box("txtNome")->setText("Turno ordinario");
    press("btnStampa");
    ASSERT_EQ(printing->printed.size(), 1u);
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("turno.pdf"));
    EXPECT_EQ(printOn(printing->printed[0], printer), QString());
    EXPECT_GT(QFileInfo(path("turno.pdf")).size(), 1000);

    printer.setOutputFileName(path("cartella/turno.pdf")); // no such folder
    EXPECT_EQ(printOn(printing->printed[0], printer),
              kFileFailure.arg(QDir::toNativeSeparators(path("cartella/turno.pdf"))));
}

TEST_F(DailySheet, AnnullaPrintsNothingAndLeavesTheEditorAsItWas) {
    box("txtNome")->setText("Turno ordinario");
    for (const char* button : {"btnStampa", "btnAnteprima"}) {
        press(button, "btnAnnulla");
        EXPECT_TRUE(printing->printed.empty());
        EXPECT_TRUE(printing->previewed.empty());
        EXPECT_EQ(box("txtNome")->text(), "Turno ordinario");
        EXPECT_TRUE(control<QLabel>("TfrmTurni", "lblPosizione")->text().isEmpty());
    }
    EXPECT_EQ(modal->shownScreens.size(), 2);
}

TEST_F(DailySheet, PrintsTheScreenNotTheArchiveAndNeverWritesIt) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELMORA_TEST_DATA "/2024.ore"), path("2024.ore")));
    QFile::setPermissions(path("2024.ore"), QFile::ReadOwner | QFile::WriteOwner);
    QFile before(path("2024.ore"));
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();
    before.close();

    editor->cmdPrimoClick();
    ASSERT_EQ(box("txtNome")->text(), "Turno ordinario");
    box("txtSede")->setText("Sede cambiata, non salvata");
    box("txtLavoratore02")->clear();

    const PreparedPage page = printedPage();
    EXPECT_EQ(textOf(page, "titNome"), "Turno ordinario");
    EXPECT_EQ(textOf(page, "titData"), "DATA:  04/03/2024 ");
    EXPECT_EQ(textOf(page, "titSede"), "Sede cambiata, non salvata");
    EXPECT_EQ(textOf(page, "titLavoratore01"), "Rossi Mario, Esposito Chiara");
    EXPECT_EQ(textOf(page, "titLavoratore02"), "");

    QFile after(path("2024.ore"));
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), bytes);
}

// Every sheet screen, of whichever editor.
TEST(SheetScreens, CaptionsAndButtons) {
    struct Expected {
        std::function<QDialog*()> create;
        const char* name;
        const char* caption;
        const char* action;
    };
    const Expected table[] = {
        {[] { return new TfrmStampaTurno; }, "TfrmStampaTurno", " Stampa scheda", "Stampa"},
        {[] { return new TfrmAnteprimaTurno; }, "TfrmAnteprimaTurno", " Anteprima di stampa",
         "Mostra anteprima"},
        {[] { return new TfrmStampaOrario; }, "TfrmStampaOrario", " Stampa scheda", "Stampa"},
        {[] { return new TfrmStampaIstruttore; }, "TfrmStampaIstruttore", " Stampa scheda",
         "Stampa"},
        {[] { return new TfrmAnteprimaIstruttore; }, "TfrmAnteprimaIstruttore",
         " Anteprima di stampa", "Mostra anteprima"},
    };
    for (const Expected& e : table) {
        std::unique_ptr<QDialog> screen(e.create());
        EXPECT_EQ(screen->objectName(), e.name);
        EXPECT_EQ(screen->windowTitle(), e.caption);
        EXPECT_EQ(FormKit::child<QPushButton>(screen.get(), "btnStampa")->text(), e.action);
        EXPECT_EQ(FormKit::child<QPushButton>(screen.get(), "btnAnnulla")->text(), "Annulla");
        EXPECT_FALSE(screen->windowFlags() & Qt::WindowCloseButtonHint);
    }
}

} // namespace
