#pragma once
// One user action on one archive: open (creating a missing file), work,
// close. An archive failure anywhere in it ends the action and shows the
// archive error; what the action already changed on screen stays.

#include "archive/RecordArchive.h"

#include <QString>
#include <functional>

class QWidget;

// `work` returns an information text to show once the archive is closed, or
// an empty text for none. Returns false when the archive failed.
bool archiveAction(QWidget* parent, const QString& path, int recordSize,
                   const std::function<QString(TRecordArchive&)>& work);
