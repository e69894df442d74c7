// The contracts due for renewal, opened from the worker editor: the list it
// builds at once on the search base, its keyword jump, its printed list, the
// double click that loads a worker into the editor, and closing.
#include "ScreenFixture.h"
#include "reports/Printing.h"
#include "screens/common/RecordEditor.h"
#include "screens/common/ResultList.h"
#include "screens/common/SearchScreen.h"
#include "support/ExpectedTexts.h"

#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>

namespace {

using Fields = std::vector<std::pair<QString, QString>>;

Fields worker(const QString& surname, const QString& expiry, const QString& notice,
              const QString& notes = {}) {
    return {{"Cognome", surname},
            {"Nome", "Anna"},
            {"Recapito", "333 1234567"},
            {"Decorrenza", "01/01/2020"},
            {"Scadenza", expiry},
            {"Preavviso", notice},
            {"Totale", "1200,00"},
            {"Rata", "100,00"},
            {"Acquisto", "Tempo determinato"},
            {"Note", notes}};
}

// The line of worker(surname, expiry, ...).
QString lineOf(const QString& surname, const QString& expiry) {
    return (surname + " Anna").leftJustified(30) + "  Tel. 333 1234567 " + "  Scad. " + expiry +
           QString::fromUtf8("  Tot. € 1200,00     ") +
           QString::fromUtf8("  Rata: € 100,00      ") + "  Tipo: Tempo determinato";
}

class RenewalList : public ScreenTest {
  protected:
    RecordEditor* editor = nullptr;
    void SetUp() override {
        ScreenTest::SetUp();
        Clock::install(std::make_unique<FixedClock>(QDateTime(QDate(2024, 6, 10), QTime(8, 0))));
        editor = qobject_cast<RecordEditor*>(screen("TfrmIstruttori"));
        editor->show();
        QApplication::setActiveWindow(editor);
    }
    void seed(const std::vector<Fields>& records) {
        appendRecords(path("Dipendenti.pro"), TRecordLayout::workers(), records);
    }
    static SearchScreen* renewals(QDialog& d) {
        auto* screen = qobject_cast<SearchScreen*>(&d);
        EXPECT_TRUE(screen);
        return screen;
    }
    static QListWidget* list(QDialog& d) { return d.findChild<QListWidget*>("lstRecords"); }
    // Opens the list from the editor and runs `script` on it.
    void open(std::function<void(QDialog&)> script) {
        modal->scripts.push_back(std::move(script));
        click("TfrmIstruttori", "cmdScaduti");
    }
    // The lines of the list as it shows.
    QStringList shownLines() {
        QStringList lines;
        open([&](QDialog& d) { lines = ResultList::lines(list(d)); });
        return lines;
    }
};

TEST_F(RenewalList, ListsTheDueWorkersAtOnceWithoutFiltersOrCount) {
    seed({worker("Verdi", "20/06/2024", "10"), worker("Rossi", "20/06/2024", "9"),
          worker("bianchi", "09/06/2024", "0"), worker("Neri", "31/12/2030", "365")});
    open([&](QDialog& d) {
        EXPECT_EQ(d.objectName(), "TfrmDaRinnovare");
        EXPECT_EQ(d.windowTitle(), " Riepilogo contratti in scadenza o scaduti");
        EXPECT_EQ(ResultList::lines(list(d)),
                  QStringList({lineOf("bianchi", "09/06/2024"), lineOf("Verdi", "20/06/2024")}));
        EXPECT_EQ(d.focusWidget(), d.findChild<QLineEdit*>("txtTrova"));
        EXPECT_EQ(list(d)->font().family(), "Courier New");
        const std::pair<const char*, const char*> texts[] = {
            {"lblRigo01", "Immettere una o più parole consecutive presenti nella scheda in "
                          "elenco da cercare e premere il pulsante Trova."},
            {"lblRigo02", "Per spostarsi sulla voce successiva contenente la stessa chiave di "
                          "ricerca, fare di nuovo clic su Trova."},
            {"lblRigo03", "Per richiamare i dati di una scheda, selezionarla con un doppio clic o "
                          "con il tasto Invio."},
        };
        for (const auto& [name, text] : texts)
            EXPECT_EQ(d.findChild<QLabel*>(name)->text(), QString::fromUtf8(text)) << name;
        for (const auto& [name, text] :
             {std::pair("btnTrova", "Trova"), {"btnStampa", "Stampa"}, {"btnChiudi", "Chiudi"}})
            EXPECT_EQ(d.findChild<QPushButton*>(name)->text(), text) << name;
        EXPECT_FALSE(d.findChild<QWidget*>("panContainer")->isHidden());
        for (const char* absent : {"panAvvio", "btnCerca", "lblTrovate", "lblConta"})
            EXPECT_EQ(d.findChild<QWidget*>(absent), nullptr) << absent;
    });
    EXPECT_EQ(modal->shownScreens, QStringList({"TfrmDaRinnovare"}));
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(RenewalList, ABadRecordIsListedAndDoesNotHideTheWorkersAfterIt) {
    seed({worker("Rossi", "31/12/2030", "0"), worker("Neri", "31/12/2030", "1a"),
          worker("Gialli", "", "0"), worker("Bianchi", "01/01/2024", "0")});
    QStringList surnames;
    for (const QString& line : shownLines())
        surnames << line.section(u' ', 0, 0);
    EXPECT_EQ(surnames, QStringList({"Bianchi", "Gialli", "Neri"}));
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(RenewalList, ANewWorkerSavedWithTheDefaultsIsListedAtOnce) {
    control("TfrmIstruttori", "txtCognome")->setText("Rossi");
    control("TfrmIstruttori", "txtNome")->setText("Anna");
    editor->btnSalvaClick();
    ASSERT_EQ(messages->last(), Expected::kAppended);
    const QStringList lines = shownLines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Rossi Anna").leftJustified(30) + "  Tel. " +
                                    QString(12, u' ') + "  Scad. 10/06/2024"))
        << lines[0].toStdString();
}

TEST_F(RenewalList, AMissingArchiveIsCreatedEmptyAndTrovaSaysTheListIsEmpty) {
    open([&](QDialog& d) {
        EXPECT_EQ(list(d)->count(), 0);
        renewals(d)->btnTrovaClick();
    });
    EXPECT_TRUE(QFileInfo(path("Dipendenti.pro")).isFile());
    EXPECT_EQ(QFileInfo(path("Dipendenti.pro")).size(), 0);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].kind, Messages::Kind::Plain);
    EXPECT_EQ(messages->shown[0].text,
              "Ricerca non applicabile: la lista non contiene nessuna voce.");
}

TEST_F(RenewalList, AnArchiveThatCannotBeOpenedIsToldNotShownAsNothingDue) {
    ProgramFolder::override(path("missing-folder"));
    open([&](QDialog& d) { EXPECT_EQ(list(d)->count(), 0); });
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].kind, Messages::Kind::Plain);
    EXPECT_EQ(messages->shown[0].text, Expected::kArchiveError);
}

TEST_F(RenewalList, TrovaJumpsByKeywordAndForgetsItAtTheNextShow) {
    seed({worker("Carli", "01/06/2024", "0"), worker("Aldi", "01/05/2024", "0"),
          worker("Bruni", "01/06/2024", "0"), worker("Dini", "01/04/2024", "0")});
    const auto trova = [](QDialog& d, const char* keyword) {
        d.findChild<QLineEdit*>("txtTrova")->setText(QString::fromLatin1(keyword));
        renewals(d)->btnTrovaClick();
        return list(d)->currentRow();
    };
    open([&](QDialog& d) {
        EXPECT_EQ(trova(d, "01/06"), 1); // Bruni
        EXPECT_EQ(trova(d, "01/06"), 2); // Carli
        EXPECT_EQ(trova(d, "01/06"), 1); // round again
        EXPECT_EQ(trova(d, "DINI"), 3);
        EXPECT_EQ(trova(d, "nessuno"), 3);
    });
    open([&](QDialog& d) {
        EXPECT_EQ(d.findChild<QLineEdit*>("txtTrova")->text(), "");
        list(d)->setCurrentRow(2);
        EXPECT_EQ(trova(d, "01/06"), 1) << "a fresh list starts again from the top";
    });
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(RenewalList, StampaPrintsTheListUnderItsTitle) {
    seed({worker("Verdi", "01/06/2024", "0"), worker("Bianchi", "01/06/2024", "0")});
    auto recording = std::make_unique<report::RecordingPrinting>();
    report::RecordingPrinting* printing = recording.get();
    report::Printing::install(std::move(recording));
    QStringList lines;
    open([&](QDialog& d) {
        lines = ResultList::lines(list(d));
        d.findChild<QPushButton*>("btnStampa")->click();
    });
    ASSERT_EQ(printing->printed.size(), 1u);
    const report::PreparedPage& page = printing->printed[0].pages.at(0);
    ASSERT_NE(page.text("txtTitolo"), nullptr);
    EXPECT_EQ(page.text("txtTitolo")->text(), "Riepilogo contratti in scadenza o scaduti");
    ASSERT_NE(page.text("txtRiepilogo"), nullptr);
    EXPECT_EQ(page.text("txtRiepilogo")->lines, lines);
    EXPECT_EQ(lines.size(), 2);
    report::Printing::install(nullptr);
}

TEST_F(RenewalList, ADoubleClickLoadsTheLaterOfTwoEqualWorkersWithItsNumber) {
    // Records 2 and 4 give one line; the notes, not in the line, tell them
    // apart. Record 3 is not due, yet its line is rebuilt too.
    seed({worker("Verdi", "01/06/2024", "0"), worker("Rossi", "01/06/2024", "0", "prima"),
          worker("Neri", "31/12/2030", "0"), worker("Rossi", "01/06/2024", "0", "seconda")});
    open([&](QDialog& d) {
        ASSERT_EQ(list(d)->count(), 3);
        ASSERT_EQ(list(d)->item(0)->text(), list(d)->item(1)->text());
        list(d)->setCurrentRow(1);
        emit list(d)->itemDoubleClicked(list(d)->item(1));
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(list(d)->count(), 0) << "closing empties the list";
    });
    EXPECT_EQ(control("TfrmIstruttori", "txtNote")->text(), "seconda");
    EXPECT_EQ(control("TfrmIstruttori", "txtCognome")->text(), "Rossi");
    EXPECT_EQ(control<QLabel>("TfrmIstruttori", "lblPosizione")->text(), "4");

    // Salva there updates that worker in place.
    control("TfrmIstruttori", "txtScadenza")->setText("31/12/2025");
    editor->btnSalvaClick();
    EXPECT_EQ(messages->last(), Expected::kUpdated);
    EXPECT_EQ(QFileInfo(path("Dipendenti.pro")).size(), 4 * 4043);
    const QStringList after = shownLines();
    EXPECT_EQ(after.size(), 2);
    EXPECT_EQ(after.filter("31/12/2025").size(), 0);
}

TEST_F(RenewalList, ChiudiEmptiesTheListAndLoadsNothing) {
    seed({worker("Rossi", "01/06/2024", "0", "nota")});
    open([&](QDialog& d) {
        ASSERT_EQ(list(d)->count(), 1);
        list(d)->setCurrentRow(0);
        d.findChild<QPushButton*>("btnChiudi")->click();
        EXPECT_EQ(list(d)->count(), 0);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(control("TfrmIstruttori", "txtNote")->text(), "");
    EXPECT_EQ(control<QLabel>("TfrmIstruttori", "lblPosizione")->text(), "");
}

TEST_F(RenewalList, ADoubleClickWithoutASelectedLineClosesSilently) {
    seed({worker("Rossi", "01/06/2024", "0", "nota")});
    open([&](QDialog& d) {
        list(d)->setCurrentRow(-1);
        renewals(d)->lstRecordsDblClick();
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(control<QLabel>("TfrmIstruttori", "lblPosizione")->text(), "");
    EXPECT_TRUE(messages->shown.empty());
}

} // namespace
