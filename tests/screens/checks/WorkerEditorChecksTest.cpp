// The four check buttons of the worker editor: each opens its dialog with the
// worker's value, trimmed, the fiscal code button choosing the VAT check for
// digits alone; the dialog shows the check's message and writes nothing back.
#include "CheckDialogParts.h"

#include "screens/ScreenFixture.h"

#include <optional>

namespace {

using Message = Messages::Kind;

class EditorChecks : public ScreenTest {
  protected:
    QWidget* editor = nullptr;
    void SetUp() override {
        ScreenTest::SetUp();
        editor = screen("TfrmIstruttori");
        editor->show();
        QApplication::setActiveWindow(editor);
    }
};

TEST_F(EditorChecks, AreCreatedAtStartUpBeforeTheWorkerEditorAndOnlyForOneUse) {
    const QStringList expected = {"TfrmCambiaPassword", "TfrmCarta",      "TfrmCodFisc",
                                  "TfrmIban",           "TfrmPartitaIva", "TfrmIstruttori"};
    // Screens still to come may slot in between.
    QStringList created;
    for (const QString& name : screens->order())
        if (expected.contains(name)) created << name;
    EXPECT_EQ(created, expected);
    for (const char* perUse : {"TfrmCarta", "TfrmCodFisc", "TfrmIban", "TfrmPartitaIva"})
        EXPECT_EQ(Screens::find(perUse), nullptr) << perUse;
}

TEST_F(EditorChecks, EachButtonChecksTheWorkersValueAndLeavesTheEditorAlone) {
    const QString kCodFiscLength =
        "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.";
    const QString kCodFiscWrong = "Attenzione: il codice fiscale digitato è ERRATO.";
    const QString kIvaLength =
        "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.";
    const QString kIvaWrong =
        "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è quindi "
        "possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.";
    const QString kMilano = "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato "
                            "rilasciato dall'Ufficio IVA del Comune di Milano 1.";
    const QString kIbanLength =
        "Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.";
    const QString kCardWrong =
        "Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi possibile fornire "
        "informazioni relative al tipo di carta di credito.";
    struct Case {
        const char* button;
        const char* field; // the editor's box beside the button
        QString value;     // as the editor holds it
        const char* screen;
        QString handed; // what the dialog's box receives
        std::optional<Message> kind;
        QString message;
        bool staysOpen;
    } cases[] = {
        {"btnCodFisc", "txtCodFisc", "RSSMRA80A01H501U", "TfrmCodFisc", "RSSMRA80A01H501U",
         Message::Information, "Il codice fiscale digitato è VALIDO.", false},
        {"btnCodFisc", "txtCodFisc", "RSSMRA80A01H501V", "TfrmCodFisc", "RSSMRA80A01H501V",
         Message::Warning, kCodFiscWrong, false},
        {"btnCodFisc", "txtCodFisc", "RSSMRA80A01H501", "TfrmCodFisc", "RSSMRA80A01H501",
         Message::Warning, kCodFiscLength, true},
        // Sixteen characters only with the blank, which the editor trims.
        {"btnCodFisc", "txtCodFisc", "RSSMRA80A01H501 ", "TfrmCodFisc", "RSSMRA80A01H501",
         Message::Warning, kCodFiscLength, true},
        {"btnCodFisc", "txtCodFisc", "  ", "TfrmCodFisc", "", Message::Warning, kCodFiscLength,
         true},
        // Digits alone in the fiscal code box are a VAT number.
        {"btnCodFisc", "txtCodFisc", " 12345670157 ", "TfrmPartitaIva", "12345670157",
         Message::Information, kMilano, false},
        {"btnCodFisc", "txtCodFisc", "1234567015", "TfrmPartitaIva", "1234567015", Message::Warning,
         kIvaLength, true},
        {"btnCodFisc", "txtCodFisc", "1234567015X", "TfrmCodFisc", "1234567015X", Message::Warning,
         kCodFiscLength, true},
        {"btnCodFisc", "txtCodFisc", "1234567 157", "TfrmCodFisc", "1234567 157", Message::Warning,
         kCodFiscLength, true},
        {"btnIva", "txtIva", "12345670157", "TfrmPartitaIva", "12345670157", Message::Information,
         kMilano, false},
        {"btnIva", "txtIva", " 1234567015", "TfrmPartitaIva", "1234567015", Message::Warning,
         kIvaLength, true},
        {"btnIva", "txtIva", "12345670158", "TfrmPartitaIva", "12345670158", Message::Warning,
         kIvaWrong, false},
        {"btnIva", "txtIva", "1234567A157", "TfrmPartitaIva", "1234567A157", Message::Warning,
         kIvaWrong, false},
        {"btnIva", "txtIva", "", "TfrmPartitaIva", "", Message::Warning, kIvaLength, true},
        {"btnIban", "txtIban", "IT60X0542811101000000123456", "TfrmIban",
         "IT60X0542811101000000123456", Message::Information, "L'IBAN digitato è VALIDO.", false},
        {"btnIban", "txtIban", "IT60X0542811101000000123457", "TfrmIban",
         "IT60X0542811101000000123457", Message::Warning, "Attenzione: l'IBAN digitato è ERRATO!",
         false},
        {"btnIban", "txtIban", "IT60X054281110100000012345", "TfrmIban",
         "IT60X054281110100000012345", Message::Warning, kIbanLength, true},
        {"btnCarta", "txtCarta", "4111111111111111 ", "TfrmCarta", "4111111111111111",
         Message::Information,
         "Il numero di carta di credito 4111111111111111 risulta valido.\r\n\r\nLa carta di "
         "credito è del tipo Visa.",
         false},
        {"btnCarta", "txtCarta", "3782 822463 10005", "TfrmCarta", "3782 822463 10005",
         Message::Information,
         "Il numero di carta di credito 3782 822463 10005 risulta valido.\r\n\r\nLa carta di "
         "credito è del tipo American Express.",
         false},
        {"btnCarta", "txtCarta", "4111111111111112", "TfrmCarta", "4111111111111112",
         Message::Warning, kCardWrong, false},
        // A valid number with a leading 3 and no known brand: closed without a word.
        {"btnCarta", "txtCarta", "3200000000000002", "TfrmCarta", "3200000000000002", std::nullopt,
         "", false},
        {"btnCarta", "txtCarta", " ", "TfrmCarta", "", Message::Warning,
         "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di "
         "controllo.",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.button) + " on \"" + c.value.toStdString() + '"');
        messages->shown.clear();
        modal->shownScreens.clear();
        QLineEdit* field = control("TfrmIstruttori", c.field);
        field->setText(c.value);
        QString handed;
        bool open = false;
        bool focusInBox = false;
        modal->scripts.push_back([&](QDialog& dialog) {
            QLineEdit* box = boxOf(dialog);
            handed = box->text();
            buttonOf(dialog, "btnControlla")->setFocus();
            buttonOf(dialog, "btnControlla")->click();
            open = dialog.isVisible();
            focusInBox = dialog.focusWidget() == box;
            // What is typed in the dialog stays there.
            box->setText("0");
        });
        click("TfrmIstruttori", c.button);

        EXPECT_EQ(modal->shownScreens, QStringList({c.screen}));
        EXPECT_EQ(handed, c.handed);
        if (c.kind) {
            ASSERT_EQ(messages->shown.size(), 1u);
            EXPECT_EQ(messages->shown[0].kind, *c.kind);
            EXPECT_EQ(messages->shown[0].text, c.message);
        } else {
            EXPECT_TRUE(messages->shown.empty());
        }
        EXPECT_EQ(open, c.staysOpen);
        EXPECT_EQ(focusInBox, c.staysOpen) << "the focus goes back to the box only while open";
        EXPECT_EQ(field->text(), c.value);
        // The dialog is gone once shown.
        EXPECT_EQ(editor->findChild<QDialog*>(), nullptr);
    }
}

} // namespace
