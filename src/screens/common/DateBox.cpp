#include "DateBox.h"

#include <QEvent>
#include <QKeyEvent>

namespace {

class DateKeys : public QObject {
  public:
    DateKeys(QLineEdit* box, std::function<void()> openPicker)
        : QObject(box), box_(box), openPicker_(std::move(openPicker)) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        switch (key) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            box_->clear();
            return true;
        // A modifier pressed on its own is the start of a combination, not
        // a key of its own.
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
        case Qt::Key_AltGr:
            return false;
        default:
            openPicker_();
            return true;
        }
    }

  private:
    QLineEdit* box_;
    std::function<void()> openPicker_;
};

} // namespace

void DateBox::install(QLineEdit* box, std::function<void()> openPicker) {
    box->setReadOnly(true);
    box->installEventFilter(new DateKeys(box, std::move(openPicker)));
}
