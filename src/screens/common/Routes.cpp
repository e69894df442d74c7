#include "Routes.h"

#include <QHash>

namespace Routes {

namespace {

struct RecordRoute {
    QPointer<QObject> owner;
    RecordReceiver receive;
};

QHash<QString, RecordRoute>& recordRoutes() {
    static QHash<QString, RecordRoute> routes;
    return routes;
}

QHash<QString, QPointer<QLineEdit>>& dateBoxes() {
    static QHash<QString, QPointer<QLineEdit>> boxes;
    return boxes;
}

QHash<QString, QPointer<QWidget>>& attachmentOwners() {
    static QHash<QString, QPointer<QWidget>> owners;
    return owners;
}

QString key(const QString& from, const QString& tag) {
    return from + u'\n' + tag;
}

} // namespace

void addRecordReceiver(const QString& from, const QString& tag, QObject* owner,
                       RecordReceiver receive) {
    recordRoutes().insert(key(from, tag), {owner, std::move(receive)});
}

const RecordReceiver* recordReceiver(const QString& from, const QString& tag) {
    auto it = recordRoutes().constFind(key(from, tag));
    if (it == recordRoutes().constEnd() || !it->owner) return nullptr;
    return &it->receive;
}

void addAttachmentOwner(const QString& tag, QWidget* editor) {
    attachmentOwners().insert(tag, editor);
}

QWidget* attachmentOwner(const QString& tag) {
    return attachmentOwners().value(tag).data();
}

void addDateBox(const QString& tag, QLineEdit* box) {
    dateBoxes().insert(tag, box);
}

QLineEdit* dateBox(const QString& tag) {
    return dateBoxes().value(tag).data();
}

} // namespace Routes
