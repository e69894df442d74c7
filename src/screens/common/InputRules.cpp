#include "InputRules.h"

#include "Platform.h"
#include "archive/Text.h"
#include "domain/WorkerRules.h"

#include <QFocusEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {

// Rewrites the box after every change the user makes, keeping the cursor
// where it was as far as the text allows.
void rewriteWhileTyping(QLineEdit* box, QString (*rewrite)(const QString&)) {
    QObject::connect(box, &QLineEdit::textEdited, box, [box, rewrite](const QString& typed) {
        const QString wanted = rewrite(typed);
        if (wanted == typed) return;
        const int cursor = box->cursorPosition();
        box->setText(wanted);
        box->setCursorPosition(std::min<int>(cursor, static_cast<int>(wanted.size())));
    });
}

// Rewrites an amount as a proper one when the user moves on from its box.
// An amount that would no longer fit its field once written out is refused
// rather than shortened: the box goes back to what it held before and the
// user is told why.
class NormaliseOnLeaving : public QObject {
  public:
    explicit NormaliseOnLeaving(QLineEdit* box) : QObject(box), box_(box) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) before_ = box_->text();
        if (event->type() != QEvent::FocusOut) return false;
        // Another window or a menu taking the focus is not leaving the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
        if (const auto amount = worker::amountForField(box_->text(), box_->maxLength())) {
            box_->setText(*amount);
            return false;
        }
        const QString refused = worker::normalisedAmount(box_->text());
        box_->setText(before_);
        Platform::messages().warning(
            box_->window(),
            QStringLiteral("Attenzione: l'importo indicato (%1) supera i %2 caratteri "
                           "disponibili.\n\r\n\rPer poter salvare la scheda è necessario "
                           "indicare un importo più breve.")
                .arg(refused)
                .arg(box_->maxLength()));
        return false;
    }

  private:
    QLineEdit* box_;
    QString before_;
};

void only(QLineEdit* box, const char* pattern) {
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(pattern)), box));
}

} // namespace

void InputRules::apply(QLineEdit* box, InputRule rule) {
    switch (rule) {
    case InputRule::Any:
        return;
    case InputRule::UpperTrimmed:
        rewriteWhileTyping(box,
                           [](const QString& t) { return vtext::trimmed(vtext::asciiUpper(t)); });
        return;
    case InputRule::Trimmed:
        rewriteWhileTyping(box, [](const QString& t) { return vtext::trimmed(t); });
        return;
    case InputRule::Digits:
        only(box, "[0-9]*");
        return;
    case InputRule::Amount:
        only(box, "[0-9,]*");
        box->installEventFilter(new NormaliseOnLeaving(box));
        return;
    }
}
