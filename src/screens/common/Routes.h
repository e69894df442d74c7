#pragma once
// Where a shared screen (the date picker, a search or pick screen, the
// attachments screen) delivers its result. The caller writes a routing tag
// into the shared screen's lblMemory; the screens that can receive a result
// register, when they are created, what they do with it for their tag. So a
// shared screen never names the screens above it.

#include "archive/Record.h"

#include <QLineEdit>
#include <QPointer>
#include <QString>

#include <functional>

namespace Routes {

// A record picked in a search or pick screen, with its 1-based number.
using RecordReceiver = std::function<void(const TRecord& record, qint64 number)>;

// `owner` registers `receive` for results of the screen `from` (its
// ScreenName) that carry `tag`; the entry goes when `owner` is destroyed.
void addRecordReceiver(const QString& from, const QString& tag, QObject* owner,
                       RecordReceiver receive);
// The receiver for that screen and tag, or nullptr.
const RecordReceiver* recordReceiver(const QString& from, const QString& tag);

// The editor whose attachment labels the attachments screen fills for
// `tag`.
void addAttachmentOwner(const QString& tag, QWidget* editor);
QWidget* attachmentOwner(const QString& tag);

// The box that receives the date picked for `tag`.
void addDateBox(const QString& tag, QLineEdit* box);
QLineEdit* dateBox(const QString& tag);

} // namespace Routes
