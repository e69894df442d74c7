// The four check dialogs on their own: their look, what each box lets be
// typed, the Enter, Space and Esc keys, and a value that cannot be checked.
#include "CheckDialogParts.h"

#include "screens/checks/CheckDialogs.h"
#include "support/GuiTest.h"

#include <QLabel>
#include <QTest>

namespace {

using Kind = CheckDialog::Kind;
using Message = Messages::Kind;

class CheckDialogs : public GuiTest {};

TEST_F(CheckDialogs, CaptionHeadingAndBox) {
    struct Case {
        Kind kind;
        QString name, caption, heading, box;
        int maxLength;
    } cases[] = {
        {Kind::FiscalCode, "TfrmCodFisc", " Controllo codice fiscale",
         "Immettere il codice fiscale e premere il pulsante di controllo.", "txtCodFisc", 16},
        {Kind::VatNumber, "TfrmPartitaIva", " Controllo partita IVA",
         "Immettere il numero di partita IVA e premere il pulsante di controllo.", "txtPartitaIva",
         11},
        {Kind::Iban, "TfrmIban", " Controllo IBAN",
         "Immettere l'IBAN e premere il pulsante di controllo.", "txtIban", 27},
        {Kind::PaymentCard, "TfrmCarta", " Controllo carta di credito",
         "Immettere il numero di carta di credito e premere il pulsante di controllo.", "txtNumero",
         30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        CheckDialog dialog(c.kind, nullptr);
        EXPECT_EQ(dialog.objectName(), c.name);
        EXPECT_EQ(dialog.windowTitle(), c.caption);
        EXPECT_EQ(FormKit::child<QLabel>(&dialog, "lblTitolo")->text(), c.heading);
        ASSERT_NE(boxOf(dialog), nullptr);
        EXPECT_EQ(boxOf(dialog)->objectName(), c.box);
        EXPECT_EQ(boxOf(dialog)->maxLength(), c.maxLength);
        EXPECT_EQ(buttonOf(dialog, "btnControlla")->text(), "Controlla");
        EXPECT_EQ(buttonOf(dialog, "btnChiudi")->text(), "Chiudi");
        EXPECT_FALSE(dialog.windowFlags() &
                     (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint));
        dialog.show();
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
        EXPECT_EQ(dialog.focusWidget(), boxOf(dialog));
    }
}

TEST_F(CheckDialogs, TypingRules) {
    struct Case {
        Kind kind;
        QString typed, shown;
    } cases[] = {
        // Upper case at once; a blank typed at either end is gone at once,
        // so one typed inside a code is lost too.
        {Kind::FiscalCode, " rss mra80a01h501u", "RSSMRA80A01H501U"},
        {Kind::FiscalCode, "rss-mra/8", "RSS-MRA/8"},
        {Kind::FiscalCode, "RSSMRA80A01H501UX", "RSSMRA80A01H501U"},
        {Kind::Iban, "it60 x054", "IT60X054"},
        {Kind::Iban, "IT60X0542811101000000123456789", "IT60X0542811101000000123456"},
        {Kind::VatNumber, "12a3 4-5,6", "123456"},
        {Kind::VatNumber, "123456789012", "12345678901"},
        {Kind::PaymentCard, "4111 1111x-1111", "411111111111"},
        {Kind::PaymentCard, QString(31, u'4'), QString(30, u'4')},
    };
    for (const Case& c : cases) {
        CheckDialog dialog(c.kind, nullptr);
        dialog.show();
        QTest::keyClicks(boxOf(dialog), c.typed);
        EXPECT_EQ(boxOf(dialog)->text(), c.shown) << c.typed.toStdString();
    }
}

TEST_F(CheckDialogs, BackspaceDeleteAndArrowsStillWorkInTheDigitBoxes) {
    for (Kind kind : {Kind::VatNumber, Kind::PaymentCard}) {
        CheckDialog dialog(kind, nullptr);
        dialog.show();
        QLineEdit* box = boxOf(dialog);
        QTest::keyClicks(box, "1234");
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Left);
        QTest::keyClick(box, Qt::Key_Left);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClick(box, Qt::Key_Right);
        QTest::keyClicks(box, "9");
        EXPECT_EQ(box->text(), "139") << box->objectName().toStdString();
    }
}

TEST_F(CheckDialogs, EnterGoesToControllaWhichActsOnEnterOrSpace) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        CheckDialog dialog(Kind::FiscalCode, nullptr);
        dialog.show();
        QLineEdit* box = boxOf(dialog);
        box->setText("RSSMRA80A01H501U");
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_EQ(dialog.focusWidget(), buttonOf(dialog, "btnControlla"));
        EXPECT_TRUE(messages->shown.empty()) << "Enter in the box only moves the focus";
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClick(buttonOf(dialog, "btnControlla"), key);
        EXPECT_EQ(messages->last(), "Il codice fiscale digitato è VALIDO.");
        EXPECT_FALSE(dialog.isVisible());
        messages->shown.clear();
    }
}

TEST_F(CheckDialogs, ChiudiAndEscCloseWithoutAWord) {
    for (Kind kind : {Kind::FiscalCode, Kind::VatNumber, Kind::Iban, Kind::PaymentCard}) {
        CheckDialog byButton(kind, nullptr);
        byButton.show();
        QTest::keyClick(buttonOf(byButton, "btnChiudi"), Qt::Key_Space);
        EXPECT_FALSE(byButton.isVisible());

        CheckDialog byEsc(kind, nullptr);
        byEsc.show();
        QTest::keyClick(boxOf(byEsc), Qt::Key_Escape);
        EXPECT_FALSE(byEsc.isVisible());
    }
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(CheckDialogs, AValueThatCannotBeCheckedKeepsTheDialogOpenForAnotherTry) {
    CheckDialog dialog(Kind::FiscalCode, nullptr);
    dialog.show();
    QLineEdit* box = boxOf(dialog);
    QTest::keyClicks(box, "rssmra80a01h501");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(buttonOf(dialog, "btnControlla"), Qt::Key_Return);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].kind, Message::Warning);
    EXPECT_EQ(messages->shown[0].text, "Attenzione: il codice fiscale deve essere composto da 16 "
                                       "caratteri alfanumerici.");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), box);
    QTest::keyClicks(box, "u");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(buttonOf(dialog, "btnControlla"), Qt::Key_Return);
    EXPECT_EQ(messages->last(), "Il codice fiscale digitato è VALIDO.");
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
