// The timetable editor's own behaviour (what every editor shares is in
// EveryEditorTest), and what a template brings into the daily editor.
#include "EditorFixture.h"
#include "screens/common/Routes.h"
#include "screens/common/ScreenNames.h"
#include "screens/common/SearchScreen.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>

namespace {

using TimetableEditor = EditorOn<kTimetableEditor>;

TEST_F(TimetableEditor, TheStartMenuTileOpensItAndItsCaptionNamesIt) {
    editor->hide();
    QWidget* menu = screen("TfrmAvvio");
    menu->show();
    click("TfrmAvvio", "btnOrari");
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(editor->windowTitle(), " Velmora - Impostazione Orari");
    QApplication::setActiveWindow(editor);
    EXPECT_TRUE(box("txtNome")->hasFocus());
}

TEST_F(TimetableEditor, EnterWalksDescriptionsThenSlotsRowByRowThenNotes) {
    QStringList expected = {"txtNome", "txtPeriodo", "txtSede", "txtDisposizioni"};
    for (int slot = 1; slot <= kSlots; ++slot)
        for (const char* stem : {"txtInizio", "txtFine", "txtAttivita"})
            expected << stem + slotSuffix(slot);
    expected << "txtAnnotazioni"
             << "txtNome";
    box("txtNome")->setFocus();
    QStringList visited = {"txtNome"};
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, expected);

    // Highlights on the four descriptive boxes only.
    for (const char* stem : {"Nome", "Periodo", "Sede", "Disposizioni"}) {
        box(QStringLiteral("txt") + stem)->setFocus();
        EXPECT_FALSE(control<QWidget>("TfrmOrari", QStringLiteral("eff") + stem)->isHidden());
    }
    EXPECT_EQ(screen("TfrmOrari")->findChild<QWidget*>("effAnnotazioni"), nullptr);
}

TEST_F(TimetableEditor, ItsButtonsAreTheStandardOnesWithoutPreviewOrTemplateImport) {
    EXPECT_EQ(screen("TfrmOrari")->findChild<QWidget*>("btnAnteprima"), nullptr);
    EXPECT_EQ(screen("TfrmOrari")->findChild<QWidget*>("impNome"), nullptr);
    for (const char* name :
         {"btnNuovo", "btnDuplica", "btnSalva", "btnStampa", "btnGuida", "btnEsci", "cmdPrimo"})
        EXPECT_TRUE(control<QAbstractButton>("TfrmOrari", name)->isEnabled()) << name;
}

TEST_F(TimetableEditor, TimesAreStoredAsTyped) {
    box("txtNome")->setText("Estate");
    box("txtInizio01")->setText("8.30");
    box("txtFine01")->setText("ab:cd");
    editor->btnSalvaClick();
    editor->btnNuovoClick();
    editor->cmdPrimoClick();
    EXPECT_EQ(box("txtInizio01")->text(), "8.30");
    EXPECT_EQ(box("txtFine01")->text(), "ab:cd");
}

// A template picked for the daily editor ("turni") overwrites exactly what
// a template has and keeps the table's date, workers, attachments and number;
// the weekly editor takes less of it, the timetable editor all of it.
TEST_F(TimetableEditor, APickedTemplateGivesEachEditorWhatItTakesFromATemplate) {
    auto dailyBox = [&](const QString& name) { return control("TfrmTurni", name); };
    dailyBox("txtNome")->setText("Vecchio nome");
    dailyBox("txtData")->setText("05/03/2024");
    dailyBox("txtLavoratore03")->setText("Rossi Mario");
    dailyBox("txtAttivita12")->setText("vecchia attività");
    control<QLabel>("TfrmTurni", "lblFile01")->setText("foglio.pdf");
    control<QLabel>("TfrmTurni", "lblPosizione")->setText("4");

    TRecord t(TRecordLayout::timetables());
    t.setText(u"Nome", u"Estate");
    t.setText(u"Periodo", u"giugno - agosto");
    t.setText(u"Sede", u"Lido");
    t.setText(u"Disposizioni", u"Portare il badge");
    t.setText(u"Annotazioni", u"Nessuna");
    t.setText(u"Inizio01", u"08:00");
    t.setText(u"Fine01", u"12:00");
    t.setText(u"Attivita01", u"Apertura");
    t.setText(u"File01", u"orario.pdf");
    const auto* receive = Routes::recordReceiver(ScreenName::kTrovaOrari, "turni");
    ASSERT_NE(receive, nullptr);
    (*receive)(t, 9);

    const std::pair<const char*, const char*> expected[] = {
        {"txtNome", "Estate"},
        {"txtPeriodo", "giugno - agosto"},
        {"txtSede", "Lido"},
        {"txtDisposizioni", "Portare il badge"},
        {"txtAnnotazioni", "Nessuna"},
        {"txtInizio01", "08:00"},
        {"txtFine01", "12:00"},
        {"txtAttivita01", "Apertura"},
        {"txtAttivita12", ""},
        {"txtData", "05/03/2024"},
        {"txtLavoratore03", "Rossi Mario"},
    };
    for (const auto& [name, text] : expected)
        EXPECT_EQ(dailyBox(name)->text(), QString::fromUtf8(text)) << name;
    EXPECT_EQ(control<QLabel>("TfrmTurni", "lblFile01")->text(), "foglio.pdf");
    EXPECT_EQ(control<QLabel>("TfrmTurni", "lblPosizione")->text(), "4");

    // Chosen from the timetable editor's own search ("orari"), the template
    // is the record on screen, number and attachments included.
    const auto* load = Routes::recordReceiver(ScreenName::kTrovaOrari, "orari");
    ASSERT_NE(load, nullptr);
    (*load)(t, 9);
    EXPECT_EQ(box("txtPeriodo")->text(), "giugno - agosto");
    EXPECT_EQ(control<QLabel>("TfrmOrari", "lblFile01")->text(), "orario.pdf");
    EXPECT_EQ(control<QLabel>("TfrmOrari", "lblPosizione")->text(), "9");

    // Picked for the weekly editor ("settimanale"): no period, no activities.
    control("TfrmSettimanale", "txtDataInizio")->setText("04/03/2024");
    control("TfrmSettimanale", "txtLun01")->setText("Rossi Mario");
    const auto* weekly = Routes::recordReceiver(ScreenName::kTrovaOrari, "settimanale");
    ASSERT_NE(weekly, nullptr);
    (*weekly)(t, 9);
    const std::pair<const char*, const char*> week[] = {
        {"txtNome", "Estate"},
        {"txtSede", "Lido"},
        {"txtDisposizioni", "Portare il badge"},
        {"txtAnnotazioni", "Nessuna"},
        {"txtInizio01", "08:00"},
        {"txtFine01", "12:00"},
        {"txtDataInizio", "04/03/2024"},
        {"txtLun01", "Rossi Mario"},
    };
    for (const auto& [name, text] : week)
        EXPECT_EQ(control("TfrmSettimanale", name)->text(), QString::fromUtf8(text)) << name;
    EXPECT_EQ(screen("TfrmSettimanale")->findChild<QLineEdit*>("txtPeriodo"), nullptr);
}

// The whole way through the screens: the daily editor's import button
// opens the timetable picker, whose double click fills the daily table; the
// timetable editor's and the daily editor's Trova open their searches.
TEST_F(TimetableEditor, SearchAndPickScreensOpenFromTheirButtons) {
    appendRecords(path("Orari.pro"), TRecordLayout::timetables(),
                  {{{"Nome", "Inverno"}, {"Sede", "Centro"}, {"Inizio03", "14:00"}},
                   {{"Nome", "Estate"}, {"Sede", "Lido"}, {"Inizio03", "09:00"}}});
    auto pickSecondLine = [](QDialog& d) {
        auto* search = qobject_cast<SearchScreen*>(&d);
        ASSERT_TRUE(search);
        search->btnCercaClick();
        d.findChild<QListWidget*>("lstRecords")->setCurrentRow(1); // sorted: Estate, Inverno
        search->lstRecordsDblClick();
    };
    control<QLabel>("TfrmTurni", "lblFile")->setText(path("2024.ore"));
    modal->scripts.push_back(pickSecondLine);
    click("TfrmTurni", "impNome");
    EXPECT_EQ(modal->shownScreens.back(), "TfrmTrovaOrari");
    EXPECT_EQ(control("TfrmTurni", "txtNome")->text(), "Inverno");
    EXPECT_EQ(control("TfrmTurni", "txtInizio03")->text(), "14:00");
    EXPECT_EQ(control<QLabel>("TfrmTurni", "lblPosizione")->text(), "");

    modal->scripts.push_back(pickSecondLine);
    click("TfrmOrari", "btnTrova");
    EXPECT_EQ(box("txtNome")->text(), "Inverno");
    EXPECT_EQ(control<QLabel>("TfrmOrari", "lblPosizione")->text(), "1");

    modal->scripts.push_back(
        [](QDialog& d) { EXPECT_EQ(d.findChild<QLabel*>("lblMemory")->text(), "turni"); });
    click("TfrmTurni", "btnTrova");
    EXPECT_EQ(modal->shownScreens.back(), "TfrmTrovaTurni");
}

} // namespace
