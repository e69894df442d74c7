#include "Screens.h"

#include <QHash>
#include <QPointer>

namespace {
QHash<QString, QPointer<QWidget>>& registry() {
    static QHash<QString, QPointer<QWidget>> screens;
    return screens;
}
} // namespace

void Screens::add(QWidget* screen) {
    registry().insert(screen->objectName(), screen);
}

void Screens::remove(QWidget* screen) {
    auto it = registry().find(screen->objectName());
    if (it != registry().end() && it.value() == screen) registry().erase(it);
}

QWidget* Screens::find(const QString& name) {
    return registry().value(name).data();
}

void Screens::handOver(QWidget* from, const QString& to) {
    if (QWidget* next = find(to)) next->show();
    if (from) from->hide();
}
