#include "InputRules.h"

#include "archive/Text.h"
#include "domain/WorkerRules.h"

#include <QEvent>
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

class NormaliseOnLeaving : public QObject {
  public:
    explicit NormaliseOnLeaving(QLineEdit* box) : QObject(box), box_(box) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusOut)
            box_->setText(worker::normalisedAmount(box_->text()));
        return false;
    }

  private:
    QLineEdit* box_;
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
