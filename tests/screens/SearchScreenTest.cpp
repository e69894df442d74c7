// The search screens of the daily tables and of the timetables, run from
// one table: the filters, the sorted list and its count, an archive that is
// missing or failing, the double click that hands the records back, the
// printed list, the keys; and the keyword jump inside a list.
#include "screens/common/SearchScreen.h"
#include "ScreenFixture.h"
#include "reports/Printing.h"
#include "screens/common/ResultList.h"
#include "screens/common/Routes.h"
#include "screens/common/ScreenNames.h"
#include "screens/daily/TfrmTrovaTurni.h"
#include "screens/timetables/TfrmTrovaOrari.h"
#include "support/Faults.h"

#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <map>

namespace {

using Fields = std::vector<std::pair<QString, QString>>;

QString padded(const QString& text, int width) {
    return text.leftJustified(width, u' ', true);
}

struct SearchRow {
    const char* screen;
    std::unique_ptr<SearchScreen> (*create)();
    // Points the screen at an archive in `folder`; returns its path.
    QString (*archiveIn)(const QString& folder);
    const SearchTable& (*search)();
    const char* second; // the field after the name in the line
    const char* slot1;  // the first and second slot fields the filters look at
    const char* slot2;
    const char* tag;   // a routing tag the screen delivers with
    const char* title; // of the printed list
    // The line of the record {Nome "Alfa", second, Sede "sede centrale",
    // Annotazioni "nota"}.
    QString alfaLine;
    QString secondValue;
    const char* caption;
    QStringList filterCaptions; // in the order of the boxes
};

const SearchRow kRows[] = {
    {"TfrmTrovaTurni",
     [] { return std::unique_ptr<SearchScreen>(new TfrmTrovaTurni); },
     [](const QString& folder) {
         const QString file = folder + QStringLiteral("/2024.ore");
         FormKit::child<QLabel>(Screens::find(ScreenName::kTurni), QStringLiteral("lblFile"))
             ->setText(file);
         return file;
     },
     dailySearch,
     "Data",
     "Lavoratore01",
     "Lavoratore02",
     "turni",
     "Riepilogo turni di lavoro",
     padded("Alfa", 30) + "  Data: 05/03/2024  Sede: " + padded("sede centrale", 30) +
         "  Note: nota",
     "05/03/2024",
     " Trova turni di lavoro in archivio",
     {"Nome tabella turni:", "Data:", "Sede operativa:", "Disposizioni organizzative:",
      "Turnista 1:", "Turnista 2:", "Turnista 3:", "Turnista 4:", "Turnista 5:", "Annotazioni:"}},
    {"TfrmTrovaOrari",
     [] { return std::unique_ptr<SearchScreen>(new TfrmTrovaOrari); },
     [](const QString& folder) {
         ProgramFolder::override(folder);
         return folder + QStringLiteral("/Orari.pro");
     },
     timetableSearch,
     "Periodo",
     "Attivita01",
     "Attivita02",
     "orari",
     "Riepilogo orari di lavoro",
     padded("Alfa", 30) + "  Periodo: " + padded("inverno 2024", 24) +
         "  Sede: " + padded("sede centrale", 24) + "  Note: nota",
     "inverno 2024",
     " Trova orari di lavoro in archivio",
     {"Nome tabella turni:", "Periodo validità:", "Sede operativa:", "Disposizioni organizzative:",
      "Attività da svolgere 1:", "Attività da svolgere 2:", "Attività da svolgere 3:",
      "Attività da svolgere 4:", "Attività da svolgere 5:", "Annotazioni:"}},
};

// The screen's name in test listings instead of the row's bytes.
void PrintTo(const SearchRow& row, std::ostream* os) {
    *os << row.screen;
}

class SearchScreens : public ScreenTest, public ::testing::WithParamInterface<SearchRow> {
  protected:
    std::unique_ptr<SearchScreen> search;
    QString archive;

    void SetUp() override {
        ScreenTest::SetUp();
        archive = GetParam().archiveIn(folder.path());
        search = GetParam().create();
    }
    void TearDown() override {
        search.reset();
        ScreenTest::TearDown();
    }

    template <class T = QLineEdit> T* on(const QString& name) const {
        return FormKit::child<T>(search.get(), name);
    }
    QLineEdit* box(const QString& field) const { return on("txt" + field); }
    QListWidget* list() const { return on<QListWidget>("lstRecords"); }
    QStringList lines() const { return ResultList::lines(list()); }
    void showSearch() {
        search->show();
        QApplication::setActiveWindow(search.get());
    }
    void cerca() { on<QPushButton>("btnCerca")->click(); }
    void seed(const std::vector<Fields>& records) {
        appendRecords(archive, *GetParam().search().layout, records);
    }
    // Alfa with one instruction text; equal instructions give equal records.
    Fields alfa(const QString& instructions = {}) const {
        return {{"Nome", "Alfa"},
                {GetParam().second, GetParam().secondValue},
                {"Sede", "sede centrale"},
                {"Disposizioni", instructions},
                {"Annotazioni", "nota"}};
    }
};

TEST_P(SearchScreens, ShowsItsTextsAndOpensOnTheFilters) {
    const SearchRow& row = GetParam();
    EXPECT_EQ(search->objectName(), row.screen);
    EXPECT_EQ(search->windowTitle(), row.caption);
    QStringList captions;
    for (const QString& field : row.search().filterFields) {
        for (QLabel* label : search->findChildren<QLabel*>())
            if (label->buddy() == box(field)) captions << label->text();
    }
    EXPECT_EQ(captions, row.filterCaptions);
    const std::pair<const char*, const char*> texts[] = {
        {"lblRigo04", "Immettere nei campi prescelti una o più parole consecutive presenti nelle "
                      "schede da trovare e premere il pulsante Cerca."},
        {"lblRigo05", "Lasciare in bianco tutti gli altri campi."},
        {"lblRigo06",
         "Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente."},
        {"lblAttendere", "Ricerca schede in corso. Attendere..."},
        {"lblRigo01", "Immettere una o più parole consecutive presenti nella scheda in elenco da "
                      "cercare e premere il pulsante Trova."},
        {"lblRigo02", "Per spostarsi sulla voce successiva contenente la stessa chiave di "
                      "ricerca, fare di nuovo clic su Trova."},
        {"lblRigo03", "Per richiamare i dati di una scheda, selezionarla con un doppio clic o "
                      "con il tasto Invio."},
    };
    for (const auto& [name, text] : texts)
        EXPECT_EQ(on<QLabel>(name)->text(), QString::fromUtf8(text)) << name;
    const std::pair<const char*, const char*> buttons[] = {{"btnCerca", "&Cerca"},
                                                           {"btnAnnulla", "Chiudi"},
                                                           {"btnTrova", "Trova"},
                                                           {"btnStampa", "Stampa"},
                                                           {"btnChiudi", "Chiudi"}};
    for (const auto& [name, text] : buttons)
        EXPECT_EQ(on<QPushButton>(name)->text(), text) << name;
    for (const char* hidden : {"lblAttendere", "lblConta", "lblMemory", "panContainer"})
        EXPECT_TRUE(on<QWidget>(hidden)->isHidden()) << hidden;
    EXPECT_FALSE(on<QWidget>("panAvvio")->isHidden());
    for (const QString& field : row.search().filterFields)
        EXPECT_EQ(box(field)->maxLength(), requireField(*row.search().layout, field).capacity)
            << field.toStdString();
}

TEST_P(SearchScreens, FiltersInUseMustAllHitAndTheListIsSorted) {
    const SearchRow& row = GetParam();
    seed({{{"Nome", "beta"}, {"Sede", "Sede Centrale"}, {row.slot2, "ROSSI Mario"}},
          {{"Nome", "Alfa"},
           {row.second, row.secondValue},
           {"Sede", "sede centrale"},
           {row.slot2, "rossi"},
           {"Annotazioni", "nota"}},
          {{"Nome", "Gamma"}, {"Sede", "Sede centrale"}, {row.slot1, "Rossi"}},
          {{"Nome", "Delta"}, {"Sede", "Periferia"}, {row.slot2, "Rossi"}}});
    struct Case {
        std::map<QString, QString> typed;
        QStringList names;
        const char* inUse;
    };
    const Case cases[] = {
        {{}, {"Alfa", "beta", "Delta", "Gamma"}, "0"},
        {{{"Sede", "centrale"}, {row.slot2, "ROSSI"}}, {"Alfa", "beta"}, "2"},
        {{{row.slot2, "ROSSI"}}, {"Alfa", "beta", "Delta"}, "1"},
        {{{"Nome", "  "}}, {"Alfa", "beta", "Delta", "Gamma"}, "0"},
        {{{"Sede", "centrale "}}, {}, "1"},
    };
    for (const Case& c : cases) {
        search = row.create();
        for (const auto& [field, text] : c.typed)
            box(field)->setText(text);
        cerca();
        QStringList names;
        for (const QString& line : lines())
            names << line.left(30).trimmed();
        SCOPED_TRACE(names.join(", ").toStdString());
        EXPECT_EQ(names, c.names);
        EXPECT_EQ(on<QLabel>("lblConta")->text(), c.inUse);
        EXPECT_EQ(on<QLabel>("lblTrovate")->text(),
                  QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(c.names.size()));
        if (!c.names.isEmpty() && c.names.first() == "Alfa") {
            EXPECT_EQ(lines().first(), row.alfaLine);
        }
    }
    EXPECT_TRUE(messages->shown.empty());
}

TEST_P(SearchScreens, AMissingArchiveIsCreatedEmptyAndListsNothing) {
    showSearch();
    EXPECT_TRUE(box("Nome")->hasFocus());
    cerca();
    EXPECT_TRUE(QFileInfo(archive).isFile());
    EXPECT_EQ(QFileInfo(archive).size(), 0);
    EXPECT_EQ(on<QLabel>("lblTrovate")->text(), "Il presente riepilogo contiene 0 schede.");
    EXPECT_TRUE(on<QWidget>("panAvvio")->isHidden());
    EXPECT_FALSE(on<QWidget>("panContainer")->isHidden());
    EXPECT_TRUE(on("txtTrova")->hasFocus());
    EXPECT_TRUE(messages->shown.empty());
}

TEST_P(SearchScreens, AnArchiveFailureAtCercaIsAPlainMessageAndTheFiltersStay) {
    GetParam().archiveIn(path("missing-folder"));
    box("Nome")->setText("Alfa");
    cerca();
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].kind, Messages::Kind::Plain);
    EXPECT_EQ(messages->shown[0].text, kArchiveErrorMessage);
    EXPECT_FALSE(on<QWidget>("panAvvio")->isHidden());
    EXPECT_TRUE(on<QWidget>("panContainer")->isHidden());
    EXPECT_TRUE(on<QLabel>("lblAttendere")->isHidden());
    EXPECT_EQ(box("Nome")->text(), "Alfa");
}

TEST_P(SearchScreens, AnotherCopyHoldingTheArchiveIsToldToTryAgain) {
    seed({alfa()});
    TRecordArchive::setLockWaitMs(300);
    {
        LockHolder other(archive);
        ASSERT_TRUE(other.holding());
        cerca();
    }
    TRecordArchive::setLockWaitMs(5000);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].kind, Messages::Kind::Warning);
    EXPECT_EQ(messages->shown[0].text, kArchiveBusyMessage);
    EXPECT_FALSE(on<QWidget>("panAvvio")->isHidden());
    cerca();
    EXPECT_EQ(lines().size(), 1);
}

// What a receiver was handed: the record's instructions and its number.
using Delivered = std::vector<std::pair<QString, qint64>>;

TEST_P(SearchScreens, ChoosingALineHandsOverEveryRecordWithThatLineInArchiveOrder) {
    const SearchRow& row = GetParam();
    seed({alfa("prima"), {{"Nome", "Beta"}}, alfa("seconda"), alfa("terza")});
    QObject owner;
    Delivered delivered;
    Routes::addRecordReceiver(row.screen, row.tag, &owner,
                              [&](const TRecord& record, qint64 number) {
                                  delivered.emplace_back(record.text(u"Disposizioni"), number);
                              });
    const Delivered expected = {{"prima", 1}, {"seconda", 3}, {"terza", 4}};
    // By mouse and by keyboard alike.
    const std::function<void(QListWidget*)> choose[] = {
        [](QListWidget* l) {
            l->setCurrentRow(0);
            emit l->itemDoubleClicked(l->item(0));
        },
        [](QListWidget* l) {
            l->setCurrentRow(0);
            QTest::keyClick(l, Qt::Key_Return);
        },
    };
    for (const auto& how : choose) {
        delivered.clear();
        search = row.create();
        on<QLabel>("lblMemory")->setText(QStringLiteral(" %1 ").arg(row.tag));
        search->show();
        cerca();
        ASSERT_EQ(lines().size(), 4);
        EXPECT_EQ(lines()[2], lines()[0]);
        how(list());
        EXPECT_EQ(delivered, expected);
        EXPECT_FALSE(search->isVisible());
        EXPECT_EQ(search->result(), QDialog::Accepted);
    }
    EXPECT_TRUE(messages->shown.empty());
}

TEST_P(SearchScreens, ATagWithoutReceiverHandsOverNothingAndCloses) {
    const SearchRow& row = GetParam();
    seed({alfa()});
    QObject owner;
    Delivered delivered;
    Routes::addRecordReceiver(row.screen, row.tag, &owner, [&](const TRecord&, qint64 number) {
        delivered.emplace_back(QString(), number);
    });
    // Another screen's tag, an unknown one, and none.
    for (const char* tag :
         {row.screen == ScreenName::kTrovaTurni ? "orari" : "istruttori", "altro", ""}) {
        SCOPED_TRACE(tag);
        search = row.create();
        on<QLabel>("lblMemory")->setText(QString::fromUtf8(tag));
        search->show();
        cerca();
        list()->setCurrentRow(0);
        search->lstRecordsDblClick();
        EXPECT_TRUE(delivered.empty());
        EXPECT_FALSE(search->isVisible());
    }
    EXPECT_TRUE(messages->shown.empty());
}

TEST_P(SearchScreens, StampaPrintsTheListUnderItsTitle) {
    seed({{{"Nome", "Beta"}}, alfa()});
    auto recording = std::make_unique<report::RecordingPrinting>();
    report::RecordingPrinting* printing = recording.get();
    report::Printing::install(std::move(recording));
    cerca();
    on<QPushButton>("btnStampa")->click();
    ASSERT_EQ(printing->printed.size(), 1u);
    const report::PreparedPage& page = printing->printed[0].pages.at(0);
    ASSERT_NE(page.text("txtTitolo"), nullptr);
    EXPECT_EQ(page.text("txtTitolo")->text(), GetParam().title);
    ASSERT_NE(page.text("txtRiepilogo"), nullptr);
    EXPECT_EQ(page.text("txtRiepilogo")->lines, lines());
    report::Printing::install(nullptr);
}

TEST_P(SearchScreens, EnterWalksTheFiltersAndTheButtonsAnswerTheKeyboard) {
    seed({alfa()});
    showSearch();
    const QStringList fields = GetParam().search().filterFields;
    for (qsizetype i = 0; i <= fields.size(); ++i) {
        const QString field = fields[i % fields.size()];
        SCOPED_TRACE(field.toStdString());
        EXPECT_TRUE(box(field)->hasFocus());
        EXPECT_FALSE(on<QWidget>("eff" + field)->isHidden());
        QTest::keyClick(box(field), Qt::Key_Return);
        EXPECT_TRUE(on<QWidget>("eff" + field)->isHidden());
    }
    EXPECT_TRUE(on<QWidget>("panContainer")->isHidden()) << "Enter in a box is not Cerca";

    // Alt+C searches from wherever the focus is (the button shows itself
    // pressed for a moment first).
    QTest::keyClick(box(fields[2]), Qt::Key_C, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !on<QWidget>("panContainer")->isHidden(); }));
    on("txtTrova")->setText("alfa");
    QTest::keyClick(on("txtTrova"), Qt::Key_Return);
    EXPECT_TRUE(on<QPushButton>("btnTrova")->hasFocus());
    QTest::keyClick(on<QPushButton>("btnTrova"), Qt::Key_Space);
    EXPECT_EQ(list()->currentRow(), 0);
    QTest::keyClick(on<QPushButton>("btnTrova"), Qt::Key_Escape);
    EXPECT_FALSE(search->isVisible());
}

TEST_P(SearchScreens, AfterCercaTheFirstLineIsChosenSoEnterCallsItBack) {
    const SearchRow& row = GetParam();
    seed({{{"Nome", "Gamma"}}, alfa("prima"), {{"Nome", "Beta"}}});
    QObject owner;
    Delivered delivered;
    Routes::addRecordReceiver(row.screen, row.tag, &owner,
                              [&](const TRecord& record, qint64 number) {
                                  delivered.emplace_back(record.text(u"Disposizioni"), number);
                              });
    on<QLabel>("lblMemory")->setText(row.tag);
    showSearch();
    on<QPushButton>("btnCerca")->click();
    ASSERT_EQ(lines().size(), 3);
    ASSERT_EQ(list()->currentRow(), 0);
    EXPECT_TRUE(list()->currentItem()->isSelected());
    // From the keyword box, one step back is the list.
    EXPECT_TRUE(on("txtTrova")->hasFocus());
    QTest::keyClick(on("txtTrova"), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(list()->hasFocus());
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(delivered, Delivered({{"prima", 2}}));
    EXPECT_FALSE(search->isVisible());
}

INSTANTIATE_TEST_SUITE_P(, SearchScreens, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.screen); });

class KeywordJump : public ScreenTest {
  protected:
    TfrmTrovaTurni search;
    void SetUp() override {
        ScreenTest::SetUp();
        kRows[0].archiveIn(folder.path()); // the daily editor's year
    }
    QListWidget* list() { return FormKit::child<QListWidget>(&search, "lstRecords"); }
    void trova(const QString& keyword) {
        FormKit::child<QLineEdit>(&search, "txtTrova")->setText(keyword);
        search.btnTrovaClick();
    }
};

TEST_F(KeywordJump, TheSameKeywordMovesOnAndWrapsANewOneStartsAtTheTop) {
    appendRecords(path("2024.ore"), TRecordLayout::daily(),
                  {{{"Nome", "Carla"}, {"Annotazioni", "Rossi"}},
                   {{"Nome", "Anna"}, {"Annotazioni", "rossi"}},
                   {{"Nome", "Dario"}, {"Annotazioni", "bianchi"}},
                   {{"Nome", "Bruno"}, {"Annotazioni", "verdi"}}});
    search.btnCercaClick();
    ASSERT_EQ(list()->count(), 4); // Anna, Bruno, Carla, Dario
    EXPECT_EQ(list()->currentRow(), 0);
    const std::pair<const char*, int> steps[] = {
        {"ROSSI", 0},                  // a new keyword tests the first line itself
        {"ROSSI", 2},    {"ROSSI", 0}, // the same moves on and wraps
        {"verdi", 1},                  // a new one starts again from the top
        {"verdi", 1},                  // the only match comes round to itself
        {"nessuno", 1},                // no match: the selection stays
        {"", 1},                       // an empty keyword matches nothing
        {"bianchi ", 1},               // blanks are part of the keyword
    };
    for (const auto& [keyword, row] : steps) {
        trova(QString::fromUtf8(keyword));
        EXPECT_EQ(list()->currentRow(), row) << keyword;
    }
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(KeywordJump, AnEmptyListIsAPlainMessage) {
    search.btnCercaClick();
    trova("rossi");
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].kind, Messages::Kind::Plain);
    EXPECT_EQ(messages->shown[0].text,
              "Ricerca non applicabile: la lista non contiene nessuna voce.");
}

TEST_F(KeywordJump, LongLinesScrollSideways) {
    search.resize(800, 600);
    search.show();
    const QString note(300, u'x');
    appendRecords(path("2024.ore"), TRecordLayout::daily(),
                  {{{"Nome", "A"}, {"Annotazioni", note}}});
    search.btnCercaClick();
    QApplication::processEvents();
    EXPECT_GT(list()->horizontalScrollBar()->maximum(), 0);
}

} // namespace
