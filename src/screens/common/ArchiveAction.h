#pragma once
// One user action on one archive: open, work, close. An archive failure
// anywhere in it ends the action and shows the archive error; what the
// action already changed on screen stays.

#include "Platform.h"
#include "archive/RecordArchive.h"

#include <QString>
#include <functional>
#include <optional>

class QWidget;

// Reading actions (browse, search, duplicate) open the archive for reading,
// so they work in a folder that is read-only for this user; only writing
// asks for write access.
enum class ArchiveAccess { Read, Write };

// `work` returns an information text to show once the archive is closed, or
// an empty text for none. Returns false when the archive failed. While
// another copy of the program holds the archive, the window keeps painting
// under a busy cursor; if the other copy keeps it past the wait, the user
// is told so instead of being shown the archive error.
bool archiveAction(QWidget* parent, const QString& path, int recordSize, ArchiveAccess access,
                   const std::function<QString(TRecordArchive&)>& work);

// The same guard for work that opens its archives itself (a whole-archive
// search and its double click): the busy wait is shown, and an archive
// failure is told in a box of `errorBox`, or not at all when it is nullopt.
// Returns false when the archive failed.
bool guardArchive(QWidget* parent, std::optional<Messages::Kind> errorBox,
                  const std::function<void()>& work);
