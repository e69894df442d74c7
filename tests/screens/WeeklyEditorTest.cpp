// The weekly editor's own behaviour (what every editor shares is in
// EveryEditorTest): the year chooser's weekly Apri, the mandatory week, the
// two date boxes and their pickers, the route through the 7 x 12 grid, the
// weekly search.
#include "EditorFixture.h"
#include "screens/common/SearchScreen.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QFileInfo>
#include <QListWidget>
#include <QTest>

namespace {

using WeeklyEditor = EditorOn<kWeeklyEditor>;

TEST_F(WeeklyEditor, TheYearChoosersWeeklyApriOpensItOnThatYearsArchiveWithoutExportOrWorkerPicks) {
    editor->hide();
    label("lblFile")->clear();
    screen("TfrmAvvio")->show();
    click("TfrmAvvio", "btnCalendario");
    control("TfrmMenuRegistro", "txtAnnoSet")->setText("2024");
    click("TfrmMenuRegistro", "btnApriAnnoSet");
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->windowTitle(), " Velmora - Programmazione turni anno 2024");
    EXPECT_EQ(editor->archivePath(), path("2024.set"));
    EXPECT_EQ(screen("TfrmSettimanale")->findChild<QWidget*>("btnEsporta"), nullptr);
    EXPECT_EQ(screen("TfrmSettimanale")->findChild<QWidget*>("impLavoratore01"), nullptr);
}

TEST_F(WeeklyEditor, SalvaWantsTheNameThenBothDatesOfTheWeek) {
    box("txtNome")->setText("   ");
    editor->btnSalvaClick();
    EXPECT_EQ(messages->last(), Expected::kNameWarning);
    box("txtNome")->setText("Settimana 10");
    editor->btnSalvaClick();
    EXPECT_EQ(messages->last(),
              "Attenzione: per salvare la scheda è necessario indicare la data "
              "di inizio della settimana a cui si riferiscono i turni di lavoro.");
    EXPECT_TRUE(box("txtDataInizio")->hasFocus());
    box("txtDataInizio")->setText("11/03/2024");
    editor->btnSalvaClick();
    EXPECT_EQ(messages->last(), "Attenzione: per salvare la scheda è necessario indicare la data "
                                "di fine della settimana a cui si riferiscono i turni di lavoro.");
    EXPECT_FALSE(QFileInfo::exists(path("2024.set")));
    // A start after the end is the user's business.
    box("txtDataFine")->setText("04/03/2024");
    box("txtDom12")->setText(QString(40, u'x'));
    editor->btnSalvaClick();
    EXPECT_EQ(messages->last(), Expected::kAppended);
    editor->btnNuovoClick();
    editor->cmdPrimoClick();
    EXPECT_EQ(box("txtDom12")->text(), QString(40, u'x'));
    EXPECT_EQ(QFileInfo(path("2024.set")).size(), 5841);
}

TEST_F(WeeklyEditor, EachDateBoxHasItsPickerAndTag) {
    for (const auto& [name, tag, picked] :
         {std::tuple{"txtDataInizio", "set_inizio", QDate(2024, 3, 4)},
          std::tuple{"txtDataFine", "set_fine", QDate(2024, 3, 10)}}) {
        modal->scripts.push_back([&, tag = tag, picked = picked](QDialog& d) {
            EXPECT_EQ(d.findChild<QLabel*>("lblMemory")->text(), tag);
            d.findChild<QCalendarWidget*>("calAppuntamenti")->setSelectedDate(picked);
            d.findChild<QAbstractButton*>("btnImportaData")->click();
        });
        box(name)->setFocus();
        QTest::keyClick(box(name), Qt::Key_Return);
        EXPECT_EQ(box(name)->text(), picked.toString("dd/MM/yyyy"));
    }
    EXPECT_EQ(box("txtDataInizio")->text(), "04/03/2024"); // the second pick left it alone
    QTest::keyClick(box("txtDataFine"), Qt::Key_Backspace);
    EXPECT_EQ(box("txtDataFine")->text(), "");
}

TEST_F(WeeklyEditor, EnterWalksEachSlotsTimesThenItsSevenDays) {
    const std::pair<const char*, const char*> route[] = {
        {"txtNome", "txtDataInizio"},       {"txtSede", "txtDisposizioni"},
        {"txtDisposizioni", "txtInizio01"}, {"txtInizio01", "txtFine01"},
        {"txtFine01", "txtLun01"},          {"txtLun01", "txtMar01"},
        {"txtSab05", "txtDom05"},           {"txtDom07", "txtInizio08"},
        {"txtDom12", "txtAnnotazioni"},     {"txtAnnotazioni", "txtNome"},
    };
    for (const auto& [from, to] : route) {
        box(from)->setFocus();
        QTest::keyClick(box(from), Qt::Key_Return);
        EXPECT_TRUE(box(to)->hasFocus()) << from << " -> " << to;
    }
    EXPECT_EQ(box("txtMer03")->maxLength(), 40);
}

TEST_F(WeeklyEditor, TheWeeklySearchLoadsAChosenTable) {
    appendRecords(path("2024.set"), TRecordLayout::weekly(),
                  {{{"Nome", "Settimana 10"}, {"DataInizio", "04/03/2024"}, {"Gio03", "Bianchi"}},
                   {{"Nome", "Settimana 11"}, {"DataInizio", "11/03/2024"}}});
    QStringList lines;
    modal->scripts.push_back([&](QDialog& d) {
        EXPECT_EQ(d.findChild<QLabel*>("lblMemory")->text(), "settimanale");
        EXPECT_EQ(d.findChild<QLabel*>("lblTrovate")->text(),
                  "Il presente elenco contiene 0 schede.");
        // The filters walk by Enter in their own order.
        QApplication::setActiveWindow(&d);
        QStringList walked;
        QWidget* at = d.findChild<QLineEdit*>("txtNome");
        for (int i = 0; i < 6; ++i) {
            walked << at->objectName();
            at->setFocus();
            QTest::keyClick(at, Qt::Key_Return);
            at = d.focusWidget();
        }
        EXPECT_EQ(walked, QStringList({"txtNome", "txtSede", "txtDataInizio", "txtDataFine",
                                       "txtDisposizioni", "txtAnnotazioni"}));
        d.findChild<QLineEdit*>("txtDataInizio")->setText("04/03");
        auto* search = qobject_cast<SearchScreen*>(&d);
        search->btnCercaClick();
        auto* list = d.findChild<QListWidget*>("lstRecords");
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        list->setCurrentRow(0);
        search->lstRecordsDblClick();
    });
    click("TfrmSettimanale", "btnTrova");
    EXPECT_EQ(lines, QStringList({QStringLiteral("Settimana 10").leftJustified(30) +
                                  "  Da: 04/03/2024  A:             Sede: " + QString(30, u' ') +
                                  "  Note: "}));
    EXPECT_EQ(box("txtGio03")->text(), "Bianchi");
    EXPECT_EQ(control<QLabel>("TfrmSettimanale", "lblPosizione")->text(), "1");
}

} // namespace

namespace {

// Bytes 722 to 842 of a weekly record belong to no field: an update keeps
// what the record held there, a new record has zeros.
TEST_F(WeeklyEditor, TheReservedBlockIsKeptOnUpdateAndZeroOnAppend) {
    TRecord old(TRecordLayout::weekly());
    old.setText(u"Nome", u"Con riservato");
    old.bytes().replace(722, 121, QByteArray(121, '\x5a'));
    {
        TRecordArchive a(5841);
        a.open(path("2024.set"));
        a.write(old.bytes());
        a.close();
    }
    editor->cmdPrimoClick();
    box("txtDataInizio")->setText("04/03/2024");
    box("txtDataFine")->setText("10/03/2024");
    editor->btnSalvaClick(); // update of record 1
    editor->btnDuplicaClick();
    editor->btnSalvaClick(); // a new record 2
    QFile f(path("2024.set"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_EQ(bytes.size(), 2 * 5841);
    EXPECT_EQ(bytes.mid(722, 121), QByteArray(121, '\x5a'));
    EXPECT_EQ(bytes.mid(5841 + 722, 121), QByteArray(121, '\0'));
}

} // namespace
