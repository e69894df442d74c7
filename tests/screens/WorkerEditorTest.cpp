// The worker editor's own behaviour (what every editor shares is in
// EveryEditorTest): defaults, the contract checks of Salva in their order,
// what each box lets be typed, the province drop-downs, the Enter chain.
#include "EditorFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QTest>

namespace {

const QString kWrongDateTail = QStringLiteral(
    " non esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida nel "
    "formato gg/mm/aaaa.");

class WorkerEditor : public EditorOn<kWorkerEditor> {
  protected:
    QComboBox* province(const char* name) const {
        return control<QComboBox>("TfrmIstruttori", name);
    }
};

TEST_F(WorkerEditor, ANewWorkerStartsWithTodaysContractAndZeroAmounts) {
    const std::pair<const char*, const char*> defaults[] = {
        {"txtDecorrenza", "05/03/2024"}, {"txtScadenza", "05/03/2024"}, {"txtPreavviso", "0"},
        {"txtTotale", "0,00"},           {"txtRata", "0,00"},           {"txtCognome", ""},
    };
    for (const auto& [name, text] : defaults)
        EXPECT_EQ(box(name)->text(), text) << name;
    EXPECT_TRUE(box("txtCognome")->hasFocus());
    EXPECT_EQ(control<QLabel>("TfrmIstruttori", "panInfo")->text(),
              "Pronto per salvare una nuova scheda...");
    box("txtCognome")->setText("Rossi");
    box("txtNome")->setText("Mario");
    editor->btnSalvaClick();
    EXPECT_EQ(messages->last(), Expected::kAppended);
    EXPECT_EQ(records(), 1);
}

TEST_F(WorkerEditor, SalvaChecksInOrderAndWritesNothingUntilAllPass) {
    using Kind = Messages::Kind;
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, const char*>> boxes; // over a valid worker
        QString message;
        Kind kind;
        const char* focus; // nullptr: where it was
    } cases[] = {
        {"surname filled, name empty, wrong dates",
         {{"txtNome", ""}, {"txtDecorrenza", "31/02/2024"}, {"txtScadenza", "x"}},
         "Attenzione: per salvare la scheda è necessario indicare il nome del lavoratore.",
         Kind::Warning,
         "txtNome"},
        {"no start date",
         {{"txtDecorrenza", "  "}},
         "Attenzione: per salvare la scheda è necessario indicare la data di decorrenza del "
         "contratto di assunzione.",
         Kind::Warning,
         "txtDecorrenza"},
        {"no end date",
         {{"txtScadenza", ""}},
         "Attenzione: per salvare la scheda è necessario indicare la data di scadenza del "
         "contratto di assunzione.",
         Kind::Warning,
         "txtScadenza"},
        {"a start date that is no day",
         {{"txtDecorrenza", "31/02/2024"}},
         "Attenzione: la data di decorrenza del contratto 31/02/2024" + kWrongDateTail,
         Kind::Plain,
         "txtDecorrenza"},
        {"an end date that is no day",
         {{"txtScadenza", "1/3/2024"}},
         "Attenzione: la data di scadenza del contratto 1/3/2024" + kWrongDateTail,
         Kind::Plain,
         "txtScadenza"},
        {"an end before the start",
         {{"txtDecorrenza", "01/06/2024"}, {"txtScadenza", "31/05/2024"}},
         "Attenzione: la data di scadenza del contratto (31/05/2024) non può essere anteriore a "
         "quella di decorrenza (01/06/2024).\n\r\n\rPer poter salvare la scheda è necessario "
         "indicare un intervallo di tempo valido.",
         Kind::Plain,
         nullptr},
        {"no days of notice",
         {{"txtPreavviso", ""}},
         "Attenzione: per salvare la scheda è necessario indicare i giorni di preavviso.",
         Kind::Warning,
         "txtPreavviso"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        editor->btnNuovoClick();
        box("txtCognome")->setText("Rossi");
        box("txtNome")->setText("Mario");
        for (const auto& [name, text] : c.boxes)
            box(name)->setText(QString::fromUtf8(text));
        box("txtNote")->setFocus();
        messages->shown.clear();
        editor->btnSalvaClick();
        ASSERT_EQ(messages->shown.size(), 1u);
        EXPECT_EQ(messages->last(), c.message);
        EXPECT_EQ(messages->shown.back().kind, c.kind);
        EXPECT_TRUE(box(c.focus ? c.focus : "txtNote")->hasFocus());
        EXPECT_EQ(records(), 0);
    }
    // Equal dates are a valid contract.
    editor->btnNuovoClick();
    box("txtCognome")->setText("Rossi");
    box("txtNome")->setText("Mario");
    box("txtDecorrenza")->setText("31/05/2024");
    box("txtScadenza")->setText("31/05/2024");
    editor->btnSalvaClick();
    EXPECT_EQ(records(), 1);
}

TEST_F(WorkerEditor, EachBoxTakesWhatItsRuleLetsThrough) {
    const std::tuple<const char*, const char*, const char*> typing[] = {
        {"txtIva", "12a3-4 5", "12345"},
        {"txtCarta", "4111 x1111", "41111111"},
        {"txtPreavviso", "3o0", "30"},
        {"txtTotale", "1.250,5x", "1250,5"},
        {"txtRata", "abc9,9", "9,9"},
        {"txtCodFisc", " rssmra80a01h501u ", "RSSMRA80A01H501U"},
        {"txtSesso", "f", "F"},
        {"txtIban", "it60 x054", "IT60X054"},
        {"txtProvRes", "rm", "RM"},
        {"txtProvNasc", "mi ", "MI"},
        {"txtEmail", " mario@esempio.it ", "mario@esempio.it"},
        {"txtNote", " Ab Note ", " Ab Note "},
    };
    for (const auto& [name, typed, kept] : typing) {
        QLineEdit* b = box(name);
        b->clear();
        b->setFocus();
        QTest::keyClicks(b, QString::fromUtf8(typed));
        EXPECT_EQ(b->text(), QString::fromUtf8(kept)) << name;
    }
    // Leaving an amount box writes the amount properly.
    const std::pair<const char*, const char*> amounts[] = {
        {"12,5", "12,50"}, {"7", "7,00"}, {"1,23456", "1,2346"}, {"1,,2", "0,00"}, {"", "0,00"}};
    for (const auto& [typed, shown] : amounts) {
        box("txtTotale")->setFocus();
        box("txtTotale")->setText(typed);
        box("txtFrazionamento")->setFocus();
        EXPECT_EQ(box("txtTotale")->text(), shown) << typed;
    }
}

TEST_F(WorkerEditor, AnAmountIsNeverCutToFitItsBox) {
    const struct {
        const char* box;
        const char* before; // what the box holds when the user enters it
        const char* typed;
        const char* shown;
        const char* refused; // the amount as it would be written, if refused
    } cases[] = {
        {"txtTotale", "0,00", "123456789012", "123456789012,00", nullptr},
        {"txtTotale", "12,50", "1234567890123", "12,50", "1234567890123,00"},
        {"txtRata", "0,00", "12345678901234567890", "12345678901234567890,00", nullptr},
    };
    for (const auto& c : cases) {
        messages->shown.clear();
        QLineEdit* b = box(c.box);
        b->setText(c.before);
        b->setFocus();
        b->selectAll();
        QTest::keyClicks(b, c.typed);
        box("txtFrazionamento")->setFocus();
        EXPECT_EQ(b->text(), c.shown) << c.typed;
        if (!c.refused) {
            EXPECT_TRUE(messages->shown.empty()) << c.typed;
            continue;
        }
        ASSERT_EQ(messages->shown.size(), 1u) << c.typed;
        EXPECT_EQ(messages->shown[0].kind, Messages::Kind::Warning);
        EXPECT_EQ(messages->shown[0].text,
                  QStringLiteral("Attenzione: l'importo indicato (%1) supera i 15 caratteri "
                                 "disponibili.\n\r\n\rPer poter salvare la scheda è necessario "
                                 "indicare un importo più breve.")
                      .arg(c.refused));
    }

    // What Salva writes is what the boxes show, in full.
    box("txtCognome")->setText("Rossi");
    box("txtNome")->setText("Mario");
    editor->btnSalvaClick();
    TRecord saved(TRecordLayout::workers());
    saved.assign(archive_files::readBytes(path("Dipendenti.pro")).constData());
    EXPECT_EQ(saved.text(u"Totale"), "12,50");
    EXPECT_EQ(saved.text(u"Rata"), "12345678901234567890,00");
}

// A window manager that keeps the focus to itself once a modal window has
// gone: no window of the program is active any more.
class ModalLeavingNoWindowActive : public ModalRunner {
  public:
    int exec(QDialog& dialog) override {
        dialog.show();
        QApplication::processEvents();
        dialog.hide();
        QApplication::setActiveWindow(nullptr);
        return QDialog::Rejected;
    }
};

TEST_F(WorkerEditor, AfterACheckTheFocusIsBackOnItsButtonAndTheKeysWork) {
    Platform::install(std::make_unique<ModalLeavingNoWindowActive>());
    box("txtCognome")->setText("Rossi");
    box("txtNome")->setText("Mario");
    for (const char* name : {"btnCodFisc", "btnIva", "btnIban", "btnCarta"}) {
        auto* button = control<QToolButton>("TfrmIstruttori", name);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        QApplication::processEvents();
        EXPECT_EQ(QApplication::activeWindow(), editor) << name;
        EXPECT_EQ(QApplication::focusWidget(), button) << name;
    }
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(messages->last(), Expected::kAppended);
}

TEST_F(WorkerEditor, ProvinceDropDownsOfferTheCodesAndKeepWhatIsTyped) {
    QComboBox* list = province("txtProvRes");
    ASSERT_EQ(list->count(), 112);
    EXPECT_EQ(list->itemText(0), "AG");
    EXPECT_EQ(list->itemText(111), "VV");
    EXPECT_NE(list->findText("MB"), -1);
    EXPECT_EQ(box("txtProvRes")->maxLength(), 2);

    // A code chosen from the list goes into the box; a later record's code
    // stays as it came, even when the box takes the focus again.
    list->setCurrentIndex(list->findText("TO"));
    EXPECT_EQ(box("txtProvRes")->text(), "TO");
    box("txtNote")->setFocus();
    box("txtProvRes")->setText("ZZ");
    box("txtProvRes")->setFocus();
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(box("txtProvRes")->text(), "ZZ");
    QTest::keyClick(box("txtProvRes"), Qt::Key_Return); // Enter moves on, adds nothing
    EXPECT_EQ(list->count(), 112);
    EXPECT_TRUE(box("txtStato")->hasFocus());
    editor->btnNuovoClick();
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(box("txtProvRes")->text(), "");
}

TEST_F(WorkerEditor, EnterVisitsAllFortyFiveBoxesInRecordOrder) {
    QStringList expected;
    for (const TFieldDef& f : TRecordLayout::workers().fields())
        if (!f.name.startsWith("File") && !f.name.startsWith("Desc")) expected << "txt" + f.name;
    ASSERT_EQ(expected.size(), 45);
    box("txtCognome")->setFocus();
    QStringList visited;
    for (int i = 0; i < 46; ++i) {
        QWidget* at = QApplication::focusWidget();
        // A drop-down's line stands for the drop-down.
        if (qobject_cast<QComboBox*>(at->parentWidget())) at = at->parentWidget();
        visited << at->objectName();
        // Every box shows its highlight while it has the focus.
        EXPECT_FALSE(
            control<QWidget>("TfrmIstruttori", "eff" + at->objectName().mid(3))->isHidden())
            << at->objectName().toStdString();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    EXPECT_EQ(visited.mid(0, 45), expected);
    EXPECT_EQ(visited.last(), "txtCognome");
}

TEST_F(WorkerEditor, TheMailButtonOpensANewMessageToTheAddress) {
    box("txtEmail")->setText("  mario.rossi@esempio.it ");
    click("TfrmIstruttori", "btnEmail");
    box("txtEmail")->clear();
    click("TfrmIstruttori", "btnEmail");
    EXPECT_EQ(shell->opened, QStringList({"\"mailto:mario.rossi@esempio.it\"", "\"mailto:\""}));
}

TEST_F(WorkerEditor, TheStartMenuTileOpensItWithItsOwnButtonNamesAllEnabled) {
    editor->hide();
    screen("TfrmAvvio")->show();
    click("TfrmAvvio", "btnAnagrafica");
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->windowTitle(), " Velmora - Anagrafica Lavoratori");
    EXPECT_EQ(screen("TfrmIstruttori")->findChild<QWidget*>("btnNuovo"), nullptr);
    for (const char* name : {"cmdNuovo", "cmdSalva", "cmdStampa", "cmdAnteprima", "cmdEsci",
                             "cmdPrimo", "btnEmail", "cmdFile", "cmdScaduti", "btnCodFisc",
                             "btnIva", "btnIban", "btnCarta", "cmdEsporta", "cmdGuida"})
        EXPECT_TRUE(control<QAbstractButton>("TfrmIstruttori", name)->isEnabled()) << name;
}

} // namespace
