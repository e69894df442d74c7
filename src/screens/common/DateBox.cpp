#include "DateBox.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>

namespace {

class DateKeys : public QObject {
  public:
    DateKeys(QLineEdit* box, std::function<void()> pick)
        : QObject(box), box_(box), pick_(std::move(pick)) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            box_->clear();
            return true;
        // Moving on through the form, and a modifier pressed on its own (the
        // start of a combination), are not keys of the box.
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
        case Qt::Key_AltGr:
            return false;
        default:
            pick_();
            return true;
        }
    }

  private:
    QLineEdit* box_;
    std::function<void()> pick_;
};

} // namespace

void DateBox::install(QLineEdit* box, QAbstractButton* importButton, QWidget* next,
                      std::function<bool()> openPicker) {
    box->setReadOnly(true);
    QPointer<QWidget> after(next);
    auto pick = [openPicker = std::move(openPicker), after] {
        if (openPicker() && after) after->setFocus(Qt::OtherFocusReason);
    };
    box->installEventFilter(new DateKeys(box, pick));
    if (importButton) QObject::connect(importButton, &QAbstractButton::clicked, box, pick);
}
