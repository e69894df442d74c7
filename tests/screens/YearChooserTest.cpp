// The year chooser and the hand-over between the start menu, the chooser
// and the daily editor.
#include "ScreenFixture.h"

#include <QApplication>
#include <QTest>
#include <QToolButton>

namespace {

class YearChooser : public ScreenTest {
  protected:
    QWidget* chooser = nullptr;
    void SetUp() override {
        ScreenTest::SetUp();
        screen("TfrmAvvio")->show();
        click("TfrmAvvio", "btnCalendario");
        chooser = screen("TfrmMenuRegistro");
        QApplication::setActiveWindow(chooser);
    }
    QLineEdit* daily() const { return control("TfrmMenuRegistro", "txtAnnoFatture"); }
};

TEST_F(YearChooser, OpensFromTheStartMenuWithTheCurrentYear) {
    EXPECT_TRUE(chooser->isVisible());
    EXPECT_FALSE(screen("TfrmAvvio")->isVisible());
    EXPECT_EQ(daily()->text(), "2024");
    EXPECT_EQ(control("TfrmMenuRegistro", "txtAnnoSet")->text(), "2024");
    EXPECT_EQ(control<QLabel>("TfrmMenuRegistro", "lblMemory")->text(), "avvio");
    EXPECT_TRUE(daily()->hasFocus());
}

TEST_F(YearChooser, YearBoxesTakeDigitsOnlyTypedOrPasted) {
    daily()->clear();
    QTest::keyClicks(daily(), "2a0/2.5\\9");
    EXPECT_EQ(daily()->text(), "2025");
    daily()->clear();
    daily()->insert("../x"); // what a paste does
    EXPECT_EQ(daily()->text(), "");
    daily()->insert("20231"); // cut to the four characters the box holds
    EXPECT_EQ(daily()->text(), "2023");
    QTest::keyClick(daily(), Qt::Key_Return);
    EXPECT_TRUE(control<QWidget>("TfrmMenuRegistro", "btnApriFatture")->hasFocus());
}

TEST_F(YearChooser, AYearOfOtherThanFourDigitsIsRefused) {
    daily()->setText("202");
    click("TfrmMenuRegistro", "btnApriFatture");
    EXPECT_EQ(messages->last(),
              QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
    EXPECT_EQ(messages->shown.back().kind, Messages::Kind::Warning);
    EXPECT_TRUE(daily()->hasFocus());
    EXPECT_TRUE(chooser->isVisible());
}

TEST_F(YearChooser, ApriPointsTheDailyEditorAtThatYear) {
    daily()->setText("2023");
    click("TfrmMenuRegistro", "btnApriFatture");
    QWidget* editor = screen("TfrmTurni");
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_EQ(control<QLabel>("TfrmTurni", "lblFile")->text(), path("2023.ore"));
    EXPECT_EQ(editor->windowTitle(), " Velmora - Programmazione turni anno 2023");
    // The editor returns to the start menu, not to the chooser.
    editor->close();
    EXPECT_TRUE(screen("TfrmAvvio")->isVisible());
    EXPECT_FALSE(chooser->isVisible());
}

TEST_F(YearChooser, ClosingWithoutApriReturnsToTheStartMenu) {
    click("TfrmMenuRegistro", "imgEsci");
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_TRUE(screen("TfrmAvvio")->isVisible());
}

TEST(ScreenRegistry, CreatesScreensInTheirFixedOrderThenThoseAddedSince) {
    ScreenSet set;
    const QStringList order = set.order();
    const QStringList established = {"TfrmPassword",
                                     "TfrmAvvio",
                                     "TfrmCambiaPassword",
                                     "TfrmCarta",
                                     "TfrmCodFisc",
                                     "TfrmGuida",
                                     "TfrmIban",
                                     "TfrmInfo",
                                     "TfrmPartitaIva",
                                     "TfrmSplash",
                                     "TfrmIstruttori",
                                     "TfrmAllegaCartella",
                                     "TfrmTrovaIstruttori",
                                     "TfrmDaRinnovare",
                                     "TfrmExpIstruttori",
                                     "TfrmStampaIstruttore",
                                     "TfrmAnteprimaIstruttore",
                                     "TfrmOrari",
                                     "TfrmExpOrari",
                                     "TfrmTrovaOrari",
                                     "TfrmStampaOrario",
                                     "TfrmMenuRegistro",
                                     "TfrmTurni",
                                     "TfrmCalendario",
                                     "TfrmTrovaTurni",
                                     "TfrmExpTurni",
                                     "TfrmStampaTurno",
                                     "TfrmSettimanale",
                                     "TfrmStampaSet",
                                     "TfrmAnteprimaSet",
                                     "TfrmTrovaSet",
                                     "TfrmAnteprimaTurno"};
    ASSERT_EQ(established.size(), 32);
    EXPECT_EQ(order.mid(0, 32), established);
    // What the program gained since comes after, each screen once.
    const QStringList added = order.mid(32);
    EXPECT_TRUE(added.contains("TfrmOre"));
    for (const QString& name : added)
        EXPECT_EQ(order.count(name), 1) << name.toStdString();
    // Per-use screens are only created: nobody reaches them through that copy.
    for (const char* perUse :
         {"TfrmTrovaOrari", "TfrmTrovaTurni", "TfrmDaRinnovare", "TfrmStampaIstruttore",
          "TfrmAnteprimaIstruttore", "TfrmStampaOrario", "TfrmTrovaSet", "TfrmCarta",
          "TfrmAllegaCartella"})
        EXPECT_EQ(Screens::find(perUse), nullptr) << perUse;
}

class StartMenu : public ScreenTest {};

TEST_F(StartMenu, TilesTakeTheFocusAndOpenOnEnterOrSpace) {
    for (auto [tile, key] :
         {std::pair{"btnCalendario", Qt::Key_Return}, std::pair{"btnCalendario", Qt::Key_Space},
          std::pair{"btnCalendario", Qt::Key_Enter}}) {
        QWidget* menu = screen("TfrmAvvio");
        menu->show();
        screen("TfrmMenuRegistro")->hide();
        auto* button = control<QToolButton>("TfrmAvvio", tile);
        EXPECT_EQ(button->focusPolicy(), Qt::StrongFocus) << tile;
        button->setFocus();
        QTest::keyClick(button, key);
        EXPECT_TRUE(screen("TfrmMenuRegistro")->isVisible()) << tile;
        EXPECT_FALSE(menu->isVisible()) << tile;
    }
}

TEST_F(StartMenu, EachApplicationIsOneTabStopFramedWholeAndHasItsAltLetter) {
    QWidget* menu = screen("TfrmAvvio");
    menu->show();
    QApplication::setActiveWindow(menu);
    control<QWidget>("TfrmAvvio", "btnOrari")->setFocus();
    QStringList stops;
    for (int i = 0; i < 8; ++i) {
        stops << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(stops, QStringList({"btnOrari", "btnCalendario", "btnAnagrafica", "imgGuida",
                                  "imgInfo", "imgCopyright", "imgSito", "imgEsci"}));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "btnOrari") << "round again";

    // The frame of the tile whose caption has the focus takes in its picture.
    control<QWidget>("TfrmAvvio", "btnCalendario")->setFocus();
    for (const char* tile : {"Orari", "Calendario", "Anagrafica"}) {
        auto* frame = control<QFrame>("TfrmAvvio", QStringLiteral("shp") + tile);
        EXPECT_EQ(control<QWidget>("TfrmAvvio", QStringLiteral("img") + tile)->parentWidget(),
                  frame);
        EXPECT_EQ(frame->styleSheet().contains("#ffd84a"), tile == std::string("Calendario"))
            << tile;
    }

    const struct {
        Qt::Key letter;
        const char* opens;
    } letters[] = {
        {Qt::Key_I, "TfrmOrari"}, {Qt::Key_C, "TfrmMenuRegistro"}, {Qt::Key_A, "TfrmIstruttori"}};
    for (const auto& l : letters) {
        menu->show();
        QApplication::setActiveWindow(menu);
        control<QWidget>("TfrmAvvio", "imgEsci")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), l.letter, Qt::AltModifier);
        // A button pressed by its letter shows itself pressed for a moment.
        EXPECT_TRUE(QTest::qWaitFor([&] { return screen(l.opens)->isVisible(); })) << l.opens;
        EXPECT_FALSE(menu->isVisible()) << l.opens;
        screen(l.opens)->hide();
    }
}

} // namespace
