// The three export screens, opened from their editors or handed an archive
// and a table by another opener: the grid of the whole archive, the
// questions, the file in the program folder, the shell, an export that
// cannot be written, and the keyboard.
#include "ScreenFixture.h"
#include "domain/SpreadsheetExport.h"
#include "screens/daily/TfrmExpTurni.h"
#include "screens/timetables/TfrmExpOrari.h"
#include "support/Faults.h"

#include <QCursor>
#include <QFileInfo>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTest>

namespace {

using Fields = std::vector<std::pair<QString, QString>>;

const QString kAskFirst = QString::fromUtf8(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
    "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString kAskOpen = QStringLiteral("Le schede in archivio sono state esportate con "
                                        "successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString kFailed = QString::fromUtf8(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file di "
    "Excel non sia già aperto.");

// A data cell's start, as every export writes it.
const QByteArray kDataCell = "<td style=\"text-align: left;\" sdnum=\"1040;1040;@\">";

struct Kind {
    const char* editor;
    const char* button;
    const char* screen;
    const char* caption;
    const char* archive;
    const char* file;
    const TRecordLayout& layout;
    Fields record; // one record; its first exported cell
    const char* firstCell;
};

const Kind kKinds[] = {
    {"TfrmTurni",
     "btnEsporta",
     "TfrmExpTurni",
     " Esporta archivio turni di lavoro in Microsoft Excel",
     "2024.ore",
     "Turni_Lavoro.xls",
     TRecordLayout::daily(),
     {{"Nome", "Turno mattina"}},
     "Turno mattina"},
    {"TfrmOrari",
     "btnEsporta",
     "TfrmExpOrari",
     " Esporta archivio orari di lavoro in Microsoft Excel",
     "Orari.pro",
     "Orari_Lavoro.xls",
     TRecordLayout::timetables(),
     {{"Nome", "Estate"}},
     "Estate"},
    {"TfrmIstruttori",
     "cmdEsporta",
     "TfrmExpIstruttori",
     " Esporta archivio lavoratori in Microsoft Excel",
     "Dipendenti.pro",
     "Personale_Interno.xls",
     TRecordLayout::workers(),
     {{"Cognome", "Rossi"}, {"Nome", "Anna"}},
     "Rossi Anna"},
};

class ExportScreens : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        // The year chooser points the daily editor at a yearly archive.
        control<QLabel>("TfrmTurni", "lblFile")->setText(path("2024.ore"));
    }
    static QTableWidget* grid(QDialog& d) { return FormKit::child<QTableWidget>(&d, "grdRecords"); }
    // Opens the export from its editor and runs `script` on it.
    void open(const Kind& k, std::function<void(QDialog&)> script) {
        modal->scripts.push_back(std::move(script));
        click(k.editor, k.button);
    }
    void exportFrom(const Kind& k) {
        open(k, [](QDialog& d) { FormKit::child<QAbstractButton>(&d, "cmdEsporta")->click(); });
    }
    QStringList asked() const {
        QStringList texts;
        for (const RecordedMessage& m : messages->shown)
            if (m.kind == Messages::Kind::Question) texts << m.text;
        return texts;
    }
};

TEST_F(ExportScreens, EachOpensOverItsEditorWithItsControls) {
    for (const Kind& k : kKinds) {
        SCOPED_TRACE(k.screen);
        bool shown = false;
        open(k, [&](QDialog& d) {
            shown = true;
            EXPECT_EQ(d.objectName(), k.screen);
            EXPECT_EQ(d.windowTitle(), k.caption);
            EXPECT_EQ(d.parentWidget(), screen(k.editor));
            EXPECT_EQ(FormKit::child<QLabel>(&d, "panInfo")->text(),
                      "Esportazione archivio in Microsoft Excel.");
            EXPECT_TRUE(FormKit::child<QAbstractButton>(&d, "cmdEsporta")->isEnabled());
            EXPECT_TRUE(FormKit::child<QAbstractButton>(&d, "cmdGuida")->isEnabled());
            EXPECT_EQ(grid(d)->editTriggers(), QAbstractItemView::NoEditTriggers);
            EXPECT_TRUE(grid(d)->alternatingRowColors());
            EXPECT_EQ(grid(d)->verticalHeader()->defaultSectionSize(), 21);
            FormKit::child<QAbstractButton>(&d, "cmdEsci")->click();
        });
        EXPECT_TRUE(shown);
        EXPECT_EQ(modal->shownScreens.back(), k.screen);
        EXPECT_TRUE(messages->shown.empty());
    }
}

TEST_F(ExportScreens, HintsOfTheButtons) {
    const std::pair<const char*, QString> hints[] = {
        {"cmdEsporta", "Esporta l'archivio in formato Microsoft Excel."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", "Esci da questo ambiente di lavoro."},
    };
    open(kKinds[0], [&](QDialog& d) {
        auto* line = FormKit::child<QLabel>(&d, "panInfo");
        // The pointer has moved since the screen opened.
        QCursor::setPos(QCursor::pos() + QPoint(9, 9));
        for (const auto& [button, hint] : hints) {
            QEvent enter(QEvent::Enter);
            QApplication::sendEvent(FormKit::child<QWidget>(&d, button), &enter);
            EXPECT_EQ(line->text(), hint) << button;
        }
        QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), QPointF(1, 1), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(grid(d), &move);
        EXPECT_EQ(line->text(), "");
    });
}

TEST_F(ExportScreens, TabLeavesTheGridAndAltLettersPressTheButtons) {
    for (const Kind& k : kKinds) {
        SCOPED_TRACE(k.screen);
        appendRecords(path(k.archive), k.layout, {k.record, k.record});
        messages->shown.clear();
        messages->answers = {false};
        open(k, [&](QDialog& d) {
            auto focused = [] {
                return QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                                   : QString();
            };
            auto press = [](const QKeySequence& keys) {
                QTest::keySequence(QApplication::focusWidget(), keys);
            };
            QApplication::setActiveWindow(&d);
            grid(d)->setFocus();
            grid(d)->setCurrentCell(0, 1);
            ASSERT_EQ(focused(), "grdRecords");
            for (const char* next : {"cmdEsporta", "cmdGuida", "cmdEsci", "grdRecords"}) {
                press(QKeySequence(Qt::Key_Tab));
                EXPECT_EQ(focused(), next);
            }
            press(QKeySequence(Qt::SHIFT | Qt::Key_Backtab));
            EXPECT_EQ(focused(), "cmdEsci");
            press(QKeySequence(Qt::SHIFT | Qt::Key_Backtab));
            press(QKeySequence(Qt::SHIFT | Qt::Key_Backtab));
            press(QKeySequence(Qt::SHIFT | Qt::Key_Backtab));
            EXPECT_EQ(focused(), "grdRecords");
            // In the grid the arrows still move between the cells.
            press(QKeySequence(Qt::Key_Down));
            EXPECT_EQ(grid(d)->currentRow(), 1);

            const std::pair<const char*, const char*> tips[] = {
                {"cmdEsporta", "Esporta l'archivio in formato Microsoft Excel. (Alt+R)"},
                {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto. (Alt+G, F1)"},
                {"cmdEsci", "Esci da questo ambiente di lavoro. (Alt+C)"},
            };
            for (const auto& [name, tip] : tips)
                EXPECT_EQ(FormKit::child<QWidget>(&d, name)->toolTip(), QString::fromUtf8(tip));

            // The letters act from the grid; a pressed button shows itself
            // pressed for a moment first.
            press(QKeySequence(Qt::ALT | Qt::Key_R));
            EXPECT_TRUE(QTest::qWaitFor([&] { return !messages->shown.empty(); }, 2000));
            EXPECT_EQ(asked(), QStringList{kAskFirst});
            EXPECT_FALSE(QFileInfo::exists(path(k.file)));
            press(QKeySequence(Qt::ALT | Qt::Key_G));
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return modal->shownScreens.back() == QStringLiteral("TfrmGuida"); }, 2000));
            modal->shownScreens.removeLast();
            press(QKeySequence(Qt::Key_F1));
            EXPECT_EQ(modal->shownScreens.back(), "TfrmGuida");
            press(QKeySequence(Qt::ALT | Qt::Key_C));
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return d.result() == QDialog::Rejected && !d.isVisible(); }, 2000));
        });
    }
}

TEST_F(ExportScreens, GridColumnsNamesAndWidths) {
    const struct {
        const Kind& kind;
        QStringList names;
        std::vector<int> widths;
    } cases[] = {
        {kKinds[0],
         {"colNum",        "colNome",       "colData",       "colSede",       "colDisposizioni",
          "colOrario01",   "colTurnista01", "colOrario02",   "colTurnista02", "colOrario03",
          "colTurnista03", "colOrario04",   "colTurnista04", "colOrario05",   "colTurnista05",
          "colOrario06",   "colTurnista06", "colOrario07",   "colTurnista07", "colOrario08",
          "colTurnista08", "colOrario09",   "colTurnista09", "colOrario10",   "colTurnista10",
          "colAnnotazioni"},
         {60,  250, 120, 200, 300, 150, 250, 150, 250, 150, 250, 150, 250,
          150, 250, 150, 250, 150, 250, 150, 250, 150, 250, 150, 250, 300}},
        {kKinds[1],
         {"colNum",        "colNome",       "colPeriodo",    "colSede",       "colDisposizioni",
          "colOrario01",   "colAttivita01", "colOrario02",   "colAttivita02", "colOrario03",
          "colAttivita03", "colOrario04",   "colAttivita04", "colOrario05",   "colAttivita05",
          "colOrario06",   "colAttivita06", "colOrario07",   "colAttivita07", "colOrario08",
          "colAttivita08", "colOrario09",   "colAttivita09", "colOrario10",   "colAttivita10",
          "colAnnotazioni"},
         {60,  250, 200, 200, 300, 150, 250, 150, 250, 150, 250, 150, 250,
          150, 250, 150, 250, 150, 250, 150, 250, 150, 250, 150, 250, 300}},
        {kKinds[2],
         {"colNum",    "colDipendente",   "colCodFisc",   "colDataNasc",   "colComuneNasc",
          "colIva",    "colIndirizzo",    "colComuneRes", "colRecapito",   "colTelCasa",
          "colTelCel", "colEmail",        "colCategoria", "colQualifiche", "colFamiliari",
          "colIban",   "colIntestatario", "colPagamento", "colProdotti",   "colTipoDoc",
          "colNumDoc", "colEnteRil",      "colDataRil",   "colDataSca",    "colCodice",
          "colNote"},
         {60,  250, 150, 120, 250, 150, 250, 250, 200, 200, 200, 250, 250,
          250, 300, 250, 250, 250, 300, 250, 200, 250, 200, 200, 250, 300}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind.screen);
        open(c.kind, [&](QDialog& d) {
            QTableWidget* g = grid(d);
            ASSERT_EQ(g->columnCount(), 26);
            QStringList names;
            std::vector<int> widths;
            for (int col = 0; col < g->columnCount(); ++col) {
                names << g->horizontalHeaderItem(col)->data(Qt::UserRole).toString();
                widths.push_back(g->columnWidth(col));
            }
            EXPECT_EQ(names, c.names);
            EXPECT_EQ(widths, c.widths);
            EXPECT_EQ(g->horizontalHeaderItem(0)->text(), "N.");
        });
    }
}

TEST_F(ExportScreens, TheGridListsTheWholeArchiveNumbered) {
    for (const Kind& k : kKinds) {
        SCOPED_TRACE(k.screen);
        appendRecords(path(k.archive), k.layout, {k.record, {}, k.record});
        open(k, [&](QDialog& d) {
            QTableWidget* g = grid(d);
            ASSERT_EQ(g->rowCount(), 3);
            for (int row = 0; row < 3; ++row)
                EXPECT_EQ(g->item(row, 0)->text(), QString::number(row + 1));
            EXPECT_EQ(g->item(0, 1)->text(), k.firstCell);
            EXPECT_EQ(g->item(1, 1)->text(), "");
            EXPECT_EQ(g->item(2, 1)->text(), k.firstCell);
        });
    }
}

TEST_F(ExportScreens, AnEmptyArchiveExportsItsTenEmptyRows) {
    for (const Kind& k : kKinds) {
        SCOPED_TRACE(k.screen);
        open(k, [&](QDialog& d) {
            EXPECT_EQ(grid(d)->rowCount(), 10);
            FormKit::child<QAbstractButton>(&d, "cmdEsporta")->click();
        });
        // Opening the screen created the missing archive, empty.
        EXPECT_TRUE(QFileInfo::exists(path(k.archive)));
        EXPECT_EQ(QFileInfo(path(k.archive)).size(), 0);
        const QByteArray bytes = archive_files::readBytes(path(k.file));
        EXPECT_EQ(bytes.count("<tr>"), 11);
        const QByteArray emptyRow = "<tr>" + (kDataCell + "</td>").repeated(25) + "</tr>";
        EXPECT_EQ(bytes.count(emptyRow), 10);
        EXPECT_TRUE(bytes.endsWith(emptyRow.repeated(10) + "</table></body></html>"));
    }
}

TEST_F(ExportScreens, TheQuestionsDecideWhatIsWrittenAndOpened) {
    const struct {
        const char* what;
        std::deque<bool> answers;
        bool written;
        bool opened;
    } cases[] = {
        {"no to exporting", {false}, false, false},
        {"no to opening", {true, false}, true, false},
        {"yes to both", {true, true}, true, true},
    };
    for (const Kind& k : kKinds) {
        appendRecords(path(k.archive), k.layout, {k.record});
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(k.screen) + ", " + c.what);
            QFile::remove(path(k.file));
            messages->shown.clear();
            shell->opened.clear();
            messages->answers = c.answers;
            exportFrom(k);
            EXPECT_EQ(asked(), QStringList({kAskFirst, kAskOpen}).mid(0, c.written ? 2 : 1));
            EXPECT_EQ(messages->shown.size(), c.written ? 2u : 1u);
            EXPECT_EQ(QFileInfo::exists(path(k.file)), c.written);
            if (c.written) {
                EXPECT_TRUE(archive_files::readBytes(path(k.file))
                                .contains(kDataCell + k.firstCell + "</td>"));
            }
            EXPECT_EQ(shell->opened,
                      c.opened ? QStringList{'"' + path(k.file) + '"'} : QStringList());
        }
    }
}

TEST_F(ExportScreens, AnExportThatCannotBeWrittenKeepsTheEarlierFileAndSaysSo) {
    const Kind& k = kKinds[2];
    appendRecords(path(k.archive), k.layout, {k.record});
    const QByteArray earlier = "an earlier export";
    ASSERT_TRUE(archive_files::writeBytes(path(k.file), earlier));
    open(k, [&](QDialog& d) {
        WriteLimit full(1024);
        FormKit::child<QAbstractButton>(&d, "cmdEsporta")->click();
    });
    ASSERT_EQ(messages->shown.size(), 2u);
    EXPECT_EQ(messages->shown[1].kind, Messages::Kind::Plain);
    EXPECT_EQ(messages->shown[1].text, kFailed);
    EXPECT_TRUE(shell->opened.isEmpty());
    EXPECT_EQ(archive_files::readBytes(path(k.file)), earlier);
}

TEST_F(ExportScreens, ExportingAnotherYearReplacesTheDailyFile) {
    const Kind& k = kKinds[0];
    appendRecords(path("2021.ore"), k.layout, {{{"Nome", "Turno 2021"}}});
    appendRecords(path("2022.ore"), k.layout, {{{"Nome", "Turno 2022"}}});
    for (const char* year : {"2021.ore", "2022.ore"}) {
        control<QLabel>("TfrmTurni", "lblFile")->setText(path(year));
        exportFrom(k);
    }
    const QByteArray bytes = archive_files::readBytes(path(k.file));
    EXPECT_TRUE(bytes.contains("Turno 2022"));
    EXPECT_FALSE(bytes.contains("Turno 2021"));
    EXPECT_EQ(bytes.count("<tr>"), 2);
}

TEST_F(ExportScreens, ListsAndWritesWhatItsOpenerHandsIt) {
    // Not an editor's archive, nor an editor opening it: the screen lists the
    // archive it is handed, with the columns of the table it is handed.
    appendRecords(path("Copia.pro"), TRecordLayout::timetables(),
                  {{{"Nome", "Inverno"}}, {{"Nome", "Estate"}}});
    QWidget opener;
    TfrmExpOrari screen(&opener, {path("Copia.pro"), &timetableExport()});
    messages->answers = {true, false};
    modal->scripts.push_back([](QDialog& d) {
        QTableWidget* g = grid(d);
        EXPECT_EQ(g->columnCount(), 26);
        EXPECT_EQ(g->horizontalHeaderItem(2)->data(Qt::UserRole).toString(), "colPeriodo");
        ASSERT_EQ(g->rowCount(), 2);
        EXPECT_EQ(g->item(0, 1)->text(), "Inverno");
        EXPECT_EQ(g->item(1, 1)->text(), "Estate");
        FormKit::child<QAbstractButton>(&d, "cmdEsporta")->click();
    });
    showModal(screen);
    EXPECT_EQ(asked(), QStringList({kAskFirst, kAskOpen}));
    const QByteArray bytes = archive_files::readBytes(path("Orari_Lavoro.xls"));
    EXPECT_TRUE(bytes.contains(kDataCell + "Inverno</td>"));
    EXPECT_TRUE(bytes.contains(kDataCell + "Estate</td>"));
    EXPECT_FALSE(QFileInfo::exists(path("Orari.pro"))) << "the timetable editor's archive";
}

TEST_F(ExportScreens, HandedNothingItListsAndWritesNothing) {
    // The instance made at start-up, which no editor opens.
    TfrmExpTurni screen;
    messages->answers = {true, true};
    modal->scripts.push_back([](QDialog& d) {
        EXPECT_EQ(grid(d)->columnCount(), 1);
        EXPECT_EQ(grid(d)->rowCount(), 10);
        FormKit::child<QAbstractButton>(&d, "cmdEsporta")->click();
    });
    showModal(screen);
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_TRUE(QDir(folder.path()).entryList({"*.xls"}, QDir::Files).isEmpty());
}

} // namespace
