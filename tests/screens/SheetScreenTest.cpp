// The shared sheet screen with a design of its own: a portrait page whose
// boxes are made from more than one field, filled from whatever editor the
// screen is created by.
#include "screens/common/SheetScreen.h"
#include "reports/Printing.h"
#include "screens/common/FormKit.h"
#include "support/GuiTest.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using namespace report;

TextBox box(double y) {
    TextBox t;
    t.mm = QRectF(44, y, 144, 3.5);
    t.font = Font{QStringLiteral("Arial"), 7, false};
    t.setText(QStringLiteral("segnaposto"));
    return t;
}

// A card in the manner of the worker's: one box from two fields joined by a
// blank, one from a single field.
SheetDesign card() {
    SheetDesign d;
    d.name = QStringLiteral("card");
    d.orientation = Orientation::Portrait;
    d.boxes = {
        {QStringLiteral("txtIstruttore"),
         QString(),
         box(7),
         {},
         {},
         [](const FieldSource& f) { return f("Cognome") + u' ' + f("Nome"); }},
        {QStringLiteral("txtComuneNasc"),
         QString(),
         box(12),
         {},
         {},
         [](const FieldSource& f) { return f("ComuneNasc") + u' ' + f("ProvNasc"); }},
        {QStringLiteral("txtCategoria"), QStringLiteral("Categoria"), box(17)},
    };
    d.footer = box(218);
    d.footer.name = QStringLiteral("txtCalce");
    return d;
}

class SheetScreenTest : public GuiTest {
  protected:
    RecordingPrinting* printing = nullptr;
    QWidget editor;

    void SetUp() override {
        GuiTest::SetUp();
        auto p = std::make_unique<RecordingPrinting>();
        printing = p.get();
        Printing::install(std::move(p));
        editor.setObjectName(QStringLiteral("editor"));
        for (const char* name : {"txtCognome", "txtNome", "txtComuneNasc", "txtProvNasc"})
            FormKit::edit(&editor, QString::fromLatin1(name), 60);
        auto* categoria = new QComboBox(&editor); // an editable drop-down
        categoria->setObjectName(QStringLiteral("txtCategoria"));
        categoria->setEditable(true);
    }
    void TearDown() override {
        Printing::install(nullptr);
        GuiTest::TearDown();
    }
    void type(const char* name, const QString& text) {
        if (auto* e = editor.findChild<QLineEdit*>(QString::fromLatin1(name)))
            e->setText(text);
        else
            FormKit::child<QComboBox>(&editor, QString::fromLatin1(name))->setEditText(text);
    }
    static void press(SheetScreen& screen) {
        FormKit::child<QPushButton>(&screen, QStringLiteral("btnStampa"))->click();
    }
};

TEST_F(SheetScreenTest, CompositeBoxesJoinTheTrimmedFields) {
    struct Case {
        const char *cognome, *nome, *comune, *prov, *categoria;
        const char *istruttore, *luogo;
    };
    const Case cases[] = {
        {"Rossi", "Mario", "Roma", "RM", "Operaio", "Rossi Mario", "Roma RM"},
        {"  Rossi\t", " Mario ", " Roma", "RM  ", " Operaio ", "Rossi Mario", "Roma RM"},
        {"De Luca", "Anna Maria", "Reggio nell'Emilia", "RE", "", "De Luca Anna Maria",
         "Reggio nell'Emilia RE"},
        // Each field is trimmed before the parts are joined, not the whole.
        {"Verdi ", "\tLuca", "Pavia\t", " PV", "\t", "Verdi Luca", "Pavia PV"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.istruttore);
        type("txtCognome", QString::fromUtf8(c.cognome));
        type("txtNome", QString::fromUtf8(c.nome));
        type("txtComuneNasc", QString::fromUtf8(c.comune));
        type("txtProvNasc", QString::fromUtf8(c.prov));
        type("txtCategoria", QString::fromUtf8(c.categoria));
        SheetScreen screen(&editor, card(), SheetScreen::Output::Print,
                           QStringLiteral("TfrmStampaProva"));
        press(screen);
        ASSERT_FALSE(printing->printed.empty());
        const PreparedPage& page = printing->printed.back().pages.at(0);
        EXPECT_EQ(page.text("txtIstruttore")->text(), QString::fromUtf8(c.istruttore));
        EXPECT_EQ(page.text("txtComuneNasc")->text(), QString::fromUtf8(c.luogo));
        EXPECT_EQ(page.text("txtCategoria")->text(), QString::fromUtf8(c.categoria).trimmed());
        EXPECT_EQ(page.text("txtCalce")->text(),
                  QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore 09:30:15"));
    }
    EXPECT_EQ(printing->printed.size(), std::size(cases));
}

TEST_F(SheetScreenTest, APortraitDesignPrintsAndPreviewsOnAPortraitPage) {
    type("txtCognome", QStringLiteral("Bianchi"));
    for (const auto output : {SheetScreen::Output::Print, SheetScreen::Output::Preview}) {
        SheetScreen screen(&editor, card(), output, QStringLiteral("TfrmProva"));
        press(screen);
        EXPECT_EQ(screen.result(), QDialog::Accepted);
    }
    ASSERT_EQ(printing->printed.size(), 1u);
    ASSERT_EQ(printing->previewed.size(), 1u);
    EXPECT_EQ(printing->previewed[0], printing->printed[0]);
    EXPECT_EQ(printing->printed[0].orientation, Orientation::Portrait);
    EXPECT_EQ(printing->printed[0].pages.at(0).paperMm, QSizeF(210, 297));
}

TEST_F(SheetScreenTest, TheScreenShowsAPictureOfThePageToPrintItsNameAndItsPaper) {
    type("txtCognome", QStringLiteral(" Rossi "));
    type("txtNome", QStringLiteral("Mario"));
    QImage filled;
    for (const auto output : {SheetScreen::Output::Print, SheetScreen::Output::Preview}) {
        SheetScreen screen(&editor, card(), output, QStringLiteral("TfrmProva"));
        const auto* picture = screen.findChild<QLabel*>(QStringLiteral("imgStampa"));
        const auto* name = screen.findChild<QLabel*>(QStringLiteral("lblScheda"));
        const auto* paper = screen.findChild<QLabel*>(QStringLiteral("lblFoglio"));
        ASSERT_TRUE(picture && name && paper);
        EXPECT_EQ(name->text(), "Rossi Mario");
        EXPECT_EQ(paper->text(), "Foglio A4 verticale");
        const QImage shown = picture->pixmap().toImage();

        // The picture is that of the page the action button prints (the
        // clock stands still), small, upright like the paper.
        press(screen);
        const PreparedPage& page =
            (output == SheetScreen::Output::Print ? printing->printed : printing->previewed)
                .back()
                .pages.at(0);
        const QImage expected = pageThumbnail(page, SheetScreen::kThumbnail);
        EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
                  expected.convertToFormat(QImage::Format_RGB32));
        EXPECT_LE(shown.width(), SheetScreen::kThumbnail.width());
        EXPECT_EQ(shown.height(), SheetScreen::kThumbnail.height());
        EXPECT_NEAR(double(shown.height()) / shown.width(), 297.0 / 210.0, 0.02);
        filled = shown;
    }
    // An empty record: no name, and a picture without the name's text.
    type("txtCognome", QString());
    type("txtNome", QString());
    SheetScreen blank(&editor, card(), SheetScreen::Output::Print, QStringLiteral("TfrmProva"));
    EXPECT_EQ(blank.findChild<QLabel*>(QStringLiteral("lblScheda"))->text(), "Scheda senza nome");
    EXPECT_NE(blank.findChild<QLabel*>(QStringLiteral("imgStampa"))->pixmap().toImage(), filled);
}

TEST_F(SheetScreenTest, ALandscapeSheetHasAWidePicture) {
    SheetDesign wide = card();
    wide.orientation = Orientation::Landscape;
    SheetScreen screen(&editor, wide, SheetScreen::Output::Print, QStringLiteral("TfrmProva"));
    const auto* picture = screen.findChild<QLabel*>(QStringLiteral("imgStampa"));
    const auto* paper = screen.findChild<QLabel*>(QStringLiteral("lblFoglio"));
    ASSERT_TRUE(picture && paper);
    const QImage shown = picture->pixmap().toImage();
    EXPECT_EQ(shown.width(), SheetScreen::kThumbnail.width());
    EXPECT_NEAR(double(shown.width()) / shown.height(), 297.0 / 210.0, 0.02);
    EXPECT_EQ(paper->text(), "Foglio A4 orizzontale");
}

TEST_F(SheetScreenTest, WithoutAnEditorNothingIsPrinted) {
    SheetScreen screen(nullptr, card(), SheetScreen::Output::Print, QStringLiteral("TfrmProva"));
    press(screen);
    EXPECT_TRUE(printing->printed.empty());
    EXPECT_EQ(screen.result(), QDialog::Accepted);
}

TEST_F(SheetScreenTest, ScreenCreatedByTheEditorIsCentredOverIt) {
    editor.setGeometry(200, 150, 800, 600);
    editor.show();
    SheetScreen screen(&editor, card(), SheetScreen::Output::Print, QStringLiteral("TfrmProva"));
    EXPECT_EQ(screen.parentWidget(), &editor);
    screen.show();
    EXPECT_LE((screen.geometry().center() - editor.geometry().center()).manhattanLength(), 40);
}

} // namespace
