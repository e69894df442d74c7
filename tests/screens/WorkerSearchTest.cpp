// The worker search on its shared base: its filters, its line, and what a
// chosen worker does in the worker editor and in the daily editor's slots.
#include "ScreenFixture.h"
#include "screens/common/RecordEditor.h"
#include "screens/common/SearchScreen.h"
#include "support/ExpectedTexts.h"

#include <QApplication>
#include <QListWidget>

namespace {

class WorkerSearch : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        appendRecords(path("Dipendenti.pro"), TRecordLayout::workers(),
                      {{{"Cognome", "Rossi"},
                        {"Nome", "Mario"},
                        {"Codice", "Sportello"},
                        {"Recapito", "333 1234567"},
                        {"Iva", "01234567890"}},
                       {{"Cognome", "Bianchi"}, {"Nome", "Anna"}, {"Codice", "Segreteria"}},
                       // The same line as Rossi Mario's: another record, same texts.
                       {{"Cognome", "Rossi"},
                        {"Nome", "Mario"},
                        {"Codice", "Sportello"},
                        {"Recapito", "333 1234567"},
                        {"Iva", "999"}}});
        control<QLabel>("TfrmTurni", "lblFile")->setText(path("2024.ore"));
    }
    // A script choosing the line that holds `text` after a search with the
    // given filters.
    static std::function<void(QDialog&)>
    choose(QString text, std::vector<std::pair<QString, QString>> filters = {}) {
        return [text, filters](QDialog& d) {
            auto* search = qobject_cast<SearchScreen*>(&d);
            ASSERT_TRUE(search);
            for (const auto& [box, value] : filters)
                d.findChild<QLineEdit*>(box)->setText(value);
            search->btnCercaClick();
            auto* list = d.findChild<QListWidget*>("lstRecords");
            const auto found = list->findItems(text, Qt::MatchContains);
            ASSERT_FALSE(found.isEmpty()) << text.toStdString();
            list->setCurrentItem(found.first());
            search->lstRecordsDblClick();
        };
    }
};

TEST_F(WorkerSearch, ItsFiltersStandInTwoColumnsAndItsLinesNameTheWorker) {
    QStringList lines;
    modal->scripts.push_back([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), " Trova lavoratori in archivio");
        auto* grid = d.findChild<QLineEdit*>("txtCognome");
        auto* nome = d.findChild<QLineEdit*>("txtNome");
        EXPECT_LT(grid->mapTo(&d, QPoint()).x(), nome->mapTo(&d, QPoint()).x()); // side by side
        d.findChild<QLineEdit*>("txtIva")->setText("4567");
        qobject_cast<SearchScreen*>(&d)->btnCercaClick();
        for (int i = 0; i < d.findChild<QListWidget*>("lstRecords")->count(); ++i)
            lines << d.findChild<QListWidget*>("lstRecords")->item(i)->text();
    });
    click("TfrmIstruttori", "cmdTrova");
    EXPECT_EQ(lines, QStringList({QStringLiteral("Rossi Mario").leftJustified(28) + "  C.F. " +
                                  QString(16, u' ') + "  Mans. " +
                                  QStringLiteral("Sportello").leftJustified(24) +
                                  "  Tel. 333 1234567     Note: "}));
}

TEST_F(WorkerSearch, AChosenWorkerIsLoadedAndSalvaUpdatesThatRecord) {
    modal->scripts.push_back(choose("Bianchi"));
    click("TfrmIstruttori", "cmdTrova");
    auto* editor = qobject_cast<RecordEditor*>(screen("TfrmIstruttori"));
    EXPECT_EQ(control("TfrmIstruttori", "txtCodice")->text(), "Segreteria");
    EXPECT_EQ(control<QLabel>("TfrmIstruttori", "lblPosizione")->text(), "2");
    control("TfrmIstruttori", "txtDecorrenza")->setText("01/01/2024");
    control("TfrmIstruttori", "txtScadenza")->setText("31/12/2024");
    control("TfrmIstruttori", "txtPreavviso")->setText("30");
    control("TfrmIstruttori", "txtNote")->setText("Rinnovato");
    editor->btnSalvaClick();
    EXPECT_EQ(messages->last(), Expected::kUpdated);
    EXPECT_EQ(QFileInfo(path("Dipendenti.pro")).size(), 3 * 4043);

    // Equal lines: the later record stays on screen.
    modal->scripts.push_back(choose("Rossi"));
    click("TfrmIstruttori", "cmdTrova");
    EXPECT_EQ(control<QLabel>("TfrmIstruttori", "lblPosizione")->text(), "3");
    EXPECT_EQ(control("TfrmIstruttori", "txtIva")->text(), "999");
}

TEST_F(WorkerSearch, APickedWorkerJoinsTheNamesOfTheSlot) {
    struct Case {
        const char* before;
        const char* pick;
        const char* after;
    } cases[] = {
        {"", "Bianchi", "Bianchi Anna"},
        {"   ", "Bianchi", "Bianchi Anna"},
        {" Verdi Luca ", "Bianchi", "Verdi Luca, Bianchi Anna"},
        // Two records behind one line: the name goes in once for each.
        {"", "Rossi", "Rossi Mario, Rossi Mario"},
    };
    for (const Case& c : cases) {
        control("TfrmTurni", "txtLavoratore03")->setText(c.before);
        control("TfrmTurni", "txtLavoratore04")->setText("Neri Ugo");
        modal->scripts.push_back([&](QDialog& d) {
            EXPECT_EQ(d.findChild<QLabel*>("lblMemory")->text(), "turni_03");
            choose(c.pick)(d);
        });
        click("TfrmTurni", "impLavoratore03");
        EXPECT_EQ(control("TfrmTurni", "txtLavoratore03")->text(), c.after) << c.before;
        EXPECT_EQ(control("TfrmTurni", "txtLavoratore04")->text(), "Neri Ugo");
    }
    EXPECT_EQ(control<QLabel>("TfrmTurni", "lblPosizione")->text(), "");
}

} // namespace
