#include "Environment.h"

#include <QCoreApplication>
#include <QDir>

namespace {
std::unique_ptr<Clock>& clockSlot() {
    static std::unique_ptr<Clock> clock = std::make_unique<Clock>();
    return clock;
}
QString& folderOverride() {
    static QString folder;
    return folder;
}
QString withSeparator(const QString& folder) {
    return folder.endsWith(u'/') ? folder : folder + u'/';
}
} // namespace

const Clock& Clock::current() {
    return *clockSlot();
}

void Clock::install(std::unique_ptr<Clock> clock) {
    clockSlot() = clock ? std::move(clock) : std::make_unique<Clock>();
}

QString ProgramFolder::path() {
    if (!folderOverride().isEmpty()) return folderOverride();
    return withSeparator(QDir::fromNativeSeparators(QCoreApplication::applicationDirPath()));
}

void ProgramFolder::override(const QString& folder) {
    folderOverride() = folder.isEmpty() ? QString() : withSeparator(folder);
}
