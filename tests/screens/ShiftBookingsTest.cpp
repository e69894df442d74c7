// The shift editors' look at what they save: the warning line after a Salva
// that books a worker twice (and none after one that does not), cleared by
// Nuovo and by a move; and the "Ore" button's list of hours per worker over
// a period, with its date boxes, its note of left-out slots and its print,
// over the tables and the year its editor hands it.
#include "ScreenFixture.h"
#include "reports/Printing.h"
#include "screens/common/Platform.h"
#include "screens/common/RecordEditor.h"
#include "screens/common/ResultList.h"
#include "screens/shifts/TfrmOre.h"

#include <QCalendarWidget>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

using Fields = std::vector<std::pair<QString, QString>>;

class ShiftBookings : public ScreenTest {
  protected:
    RecordEditor* editor(const QString& name, const QString& archive) {
        auto* e = qobject_cast<RecordEditor*>(screen(name));
        control<QLabel>(name, "lblFile")->setText(path(archive));
        e->show();
        QApplication::setActiveWindow(e);
        return e;
    }
    void type(const QString& screenName, const Fields& fields) {
        for (const auto& [box, text] : fields)
            control(screenName, box)->setText(text);
    }
    QLabel* warning(const QString& screenName) const {
        return control<QLabel>(screenName, "lblAvviso");
    }
};

TEST_F(ShiftBookings, ADailySaveThatBooksAWorkerTwiceWarnsUnderTheGrid) {
    appendRecords(path("2024.ore"), TRecordLayout::daily(),
                  {{{"Nome", "Pomeriggio"},
                    {"Data", "05/03/2024"},
                    {"Inizio01", "13:00"},
                    {"Fine01", "19:00"},
                    {"Lavoratore01", "Rossi Mario"}}});
    RecordEditor* daily = editor("TfrmTurni", "2024.ore");
    EXPECT_TRUE(warning("TfrmTurni")->isHidden());

    type("TfrmTurni", {{"txtNome", "Mattina"},
                       {"txtData", "05/03/2024"},
                       {"txtInizio01", "08:00"},
                       {"txtFine01", "14:00"},
                       {"txtLavoratore01", "Bianchi Anna, ROSSI MARIO"}});
    daily->btnSalvaClick();
    EXPECT_EQ(messages->last(), EditorTexts::kAppended) << "the save is reported as ever";
    EXPECT_EQ(QFileInfo(path("2024.ore")).size(), 2 * 5220);
    EXPECT_FALSE(warning("TfrmTurni")->isHidden());
    EXPECT_EQ(warning("TfrmTurni")->text(),
              QString::fromUtf8("Attenzione: Rossi Mario è in turno il 05/03/2024 dalle 08:00 "
                                "alle 14:00 in questa tabella e dalle 13:00 alle 19:00 nella "
                                "tabella \"Pomeriggio\" (scheda n. 1)."));

    // Moving the slot clear of the afternoon and saving again: no warning.
    control("TfrmTurni", "txtFine01")->setText("13:00");
    daily->btnSalvaClick();
    EXPECT_EQ(messages->last(), EditorTexts::kUpdated);
    EXPECT_TRUE(warning("TfrmTurni")->isHidden());
    EXPECT_EQ(warning("TfrmTurni")->text(), "");

    // A warning goes with Nuovo and with a move.
    control("TfrmTurni", "txtFine01")->setText("14:00");
    daily->btnSalvaClick();
    ASSERT_FALSE(warning("TfrmTurni")->isHidden());
    daily->btnNuovoClick();
    EXPECT_TRUE(warning("TfrmTurni")->isHidden());
    daily->cmdUltimoClick();
    daily->btnSalvaClick();
    ASSERT_FALSE(warning("TfrmTurni")->isHidden());
    daily->cmdPrimoClick();
    EXPECT_TRUE(warning("TfrmTurni")->isHidden());
}

TEST_F(ShiftBookings, AWeeklySaveWarnsOfTwoOverlappingSlotsOfOneDay) {
    RecordEditor* weekly = editor("TfrmSettimanale", "2024.set");
    type("TfrmSettimanale", {{"txtNome", "Settimana"},
                             {"txtDataInizio", "04/03/2024"},
                             {"txtDataFine", "10/03/2024"},
                             {"txtInizio01", "08:00"},
                             {"txtFine01", "14:00"},
                             {"txtInizio02", "13:30"},
                             {"txtFine02", "20:00"},
                             {"txtMer01", "Neri Ugo"},
                             {"txtMer02", "neri ugo"},
                             {"txtGio02", "Neri Ugo"}});
    weekly->btnSalvaClick();
    EXPECT_EQ(messages->last(), EditorTexts::kAppended);
    EXPECT_EQ(warning("TfrmSettimanale")->text(),
              QString::fromUtf8("Attenzione: Neri Ugo è in due turni sovrapposti di questa tabella "
                                "il 06/03/2024: dalle 08:00 alle 14:00 e dalle 13:30 alle 20:00."));
    control("TfrmSettimanale", "txtMer02")->clear();
    weekly->btnSalvaClick();
    EXPECT_TRUE(warning("TfrmSettimanale")->isHidden());
}

class HoursList : public ShiftBookings {
  protected:
    void SetUp() override {
        ShiftBookings::SetUp();
        appendRecords(path("2024.ore"), TRecordLayout::daily(),
                      {{{"Nome", "Notte"},
                        {"Data", "04/03/2024"},
                        {"Inizio01", "22:00"},
                        {"Fine01", "06:00"},
                        {"Lavoratore01", "Rossi Mario, Bianchi Anna"}},
                       {{"Nome", "Mattina"},
                        {"Data", "10/06/2024"},
                        {"Inizio01", "08:00"},
                        {"Fine01", "12:30"},
                        {"Lavoratore01", "rossi mario"},
                        {"Inizio02", "?"},
                        {"Fine02", "12:00"},
                        {"Lavoratore02", "Verdi Luca"}}});
        daily = editor("TfrmTurni", "2024.ore");
    }
    static QListWidget* list(QDialog& d) { return d.findChild<QListWidget*>("lstRecords"); }
    static QString line(const char* worker, const char* hours) {
        return QString::fromUtf8(worker).leftJustified(40) +
               "  Ore: " + QString::fromUtf8(hours).rightJustified(7);
    }
    // Picks `day` in the date picker that a key in the box opens.
    void pick(QDialog& d, const char* box, const QDate& day) {
        modal->scripts.push_front([day](QDialog& picker) {
            EXPECT_EQ(picker.objectName(), "TfrmCalendario");
            picker.findChild<QCalendarWidget*>("calAppuntamenti")->setSelectedDate(day);
            picker.findChild<QPushButton*>("btnImportaData")->click();
        });
        QTest::keyClick(d.findChild<QLineEdit*>(box), Qt::Key_Space);
    }
    RecordEditor* daily = nullptr;
};

TEST_F(HoursList, OreListsTheHoursOfTheYearThenOfThePeriodPicked) {
    auto* ore = control<QToolButton>("TfrmTurni", "btnOre");
    EXPECT_EQ(ore->text(), "&Ore");
    EXPECT_TRUE(ore->toolTip().contains("Alt+O")) << ore->toolTip().toStdString();
    modal->scripts.push_back([&](QDialog& d) {
        EXPECT_EQ(d.objectName(), "TfrmOre");
        EXPECT_EQ(d.findChild<QLineEdit*>("txtDal")->text(), "01/01/2024");
        EXPECT_EQ(d.findChild<QLineEdit*>("txtAl")->text(), "31/12/2024");
        EXPECT_EQ(ResultList::lines(list(d)),
                  QStringList({line("Bianchi Anna", "8:00"), line("Rossi Mario", "12:30")}));
        EXPECT_EQ(d.findChild<QLabel*>("lblNota")->text(),
                  QString::fromUtf8("Turni esclusi dal conteggio perché gli orari o la data non "
                                    "sono leggibili: 1."));
        EXPECT_TRUE(d.findChild<QLabel*>("lblRigo03")->isHidden()) << "no record to call back";

        pick(d, "txtAl", QDate(2024, 3, 31));
        EXPECT_EQ(d.findChild<QLineEdit*>("txtAl")->text(), "31/03/2024");
        EXPECT_EQ(ResultList::lines(list(d)),
                  QStringList({line("Bianchi Anna", "8:00"), line("Rossi Mario", "8:00")}));
        EXPECT_TRUE(d.findChild<QLabel*>("lblNota")->isHidden());

        pick(d, "txtDal", QDate(2024, 6, 1));
        EXPECT_TRUE(ResultList::lines(list(d)).isEmpty());
        // An emptied box leaves that side of the period open.
        QTest::keyClick(d.findChild<QLineEdit*>("txtAl"), Qt::Key_Backspace);
        EXPECT_EQ(ResultList::lines(list(d)), QStringList({line("Rossi Mario", "4:30")}));

        // The keyword jump works; Enter on a line calls nothing back.
        d.findChild<QLineEdit*>("txtTrova")->setText("rossi");
        d.findChild<QPushButton*>("btnTrova")->click();
        EXPECT_EQ(list(d)->currentRow(), 0);
        QTest::keyClick(list(d), Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
    });
    ore->click();
    EXPECT_EQ(modal->shownScreens, QStringList({"TfrmOre", "TfrmCalendario", "TfrmCalendario"}));
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(control("TfrmTurni", "txtNome")->text(), "");
}

TEST_F(HoursList, StampaPrintsTheListWithItsPeriodAndNote) {
    auto recording = std::make_unique<report::RecordingPrinting>();
    report::RecordingPrinting* printing = recording.get();
    report::Printing::install(std::move(recording));
    modal->scripts.push_back([&](QDialog& d) { d.findChild<QPushButton*>("btnStampa")->click(); });
    click("TfrmTurni", "btnOre");
    ASSERT_EQ(printing->printed.size(), 1u);
    const report::PreparedPage& page = printing->printed[0].pages.at(0);
    ASSERT_NE(page.text("txtTitolo"), nullptr);
    EXPECT_EQ(page.text("txtTitolo")->text(),
              "Riepilogo ore di lavoro dal 01/01/2024 al 31/12/2024");
    ASSERT_NE(page.text("txtRiepilogo"), nullptr);
    EXPECT_EQ(page.text("txtRiepilogo")->lines,
              QStringList({line("Bianchi Anna", "8:00"), line("Rossi Mario", "12:30"), "",
                           QString::fromUtf8("Turni esclusi dal conteggio perché gli orari o la "
                                             "data non sono leggibili: 1.")}));
    report::Printing::install(nullptr);
}

TEST_F(HoursList, TheWeeklyEditorsOreListsItsOwnArchive) {
    appendRecords(path("2024.set"), TRecordLayout::weekly(),
                  {{{"Nome", "Settimana"},
                    {"DataInizio", "04/03/2024"},
                    {"DataFine", "10/03/2024"},
                    {"Inizio01", "08:00"},
                    {"Fine01", "14:00"},
                    {"Lun01", "Neri Ugo"},
                    {"Sab01", "Neri Ugo"}}});
    editor("TfrmSettimanale", "2024.set");
    QStringList lines;
    modal->scripts.push_back([&](QDialog& d) { lines = ResultList::lines(list(d)); });
    click("TfrmSettimanale", "btnOre");
    EXPECT_EQ(lines, QStringList({line("Neri Ugo", "12:00")}));
}

TEST_F(HoursList, OpensOnTheYearTheChooserOpenedItsEditorAt) {
    appendRecords(path("2023.ore"), TRecordLayout::daily(),
                  {{{"Nome", "Mattina"},
                    {"Data", "02/02/2023"},
                    {"Inizio01", "08:00"},
                    {"Fine01", "10:00"},
                    {"Lavoratore01", "Neri Ugo"}}});
    screen("TfrmMenuRegistro")->show();
    control("TfrmMenuRegistro", "txtAnnoFatture")->setText("2023");
    click("TfrmMenuRegistro", "btnApriFatture");
    modal->scripts.push_back([&](QDialog& d) {
        EXPECT_EQ(d.findChild<QLineEdit*>("txtDal")->text(), "01/01/2023");
        EXPECT_EQ(d.findChild<QLineEdit*>("txtAl")->text(), "31/12/2023");
        EXPECT_EQ(ResultList::lines(list(d)), QStringList({line("Neri Ugo", "2:00")}));
    });
    click("TfrmTurni", "btnOre");
    EXPECT_EQ(modal->shownScreens, QStringList({"TfrmOre"}));
}

TEST_F(HoursList, ListsTheTablesAndTheYearItIsHandedWhateverTheEditorsHold) {
    // The daily editor is on 2024.ore; the list is handed a weekly archive
    // and another year.
    appendRecords(path("altro.set"), TRecordLayout::weekly(),
                  {{{"Nome", "Settimana"},
                    {"DataInizio", "06/03/2023"},
                    {"DataFine", "12/03/2023"},
                    {"Inizio01", "08:00"},
                    {"Fine01", "14:00"},
                    {"Lun01", "Neri Ugo"}}});
    TfrmOre hours(daily, {2023, path("altro.set"), &TRecordLayout::weekly()});
    QStringList lines;
    modal->scripts.push_back([&](QDialog& d) {
        EXPECT_EQ(d.findChild<QLineEdit*>("txtDal")->text(), "01/01/2023");
        lines = ResultList::lines(list(d));
    });
    showModal(hours);
    EXPECT_EQ(lines, QStringList({line("Neri Ugo", "6:00")}));
}

} // namespace
