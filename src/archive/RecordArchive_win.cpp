// The Windows half of TRecordArchive: file handles, LockFileEx, reads and
// writes at explicit offsets. The system's errors become EIO for the message
// of the failure.
#include "RecordArchive.h"

#include <algorithm>
#include <cerrno>
#include <windows.h>

bool TRecordArchive::hasFile() const {
    return handle_ != nullptr;
}

// Through explicit offsets, so no file pointer is shared between calls.
bool TRecordArchive::transfer(char* data, qint64 size, qint64 offset, bool writing) const {
    const HANDLE file = static_cast<HANDLE>(handle_);
    qint64 done = 0;
    while (done < size) {
        const auto chunk = static_cast<DWORD>(std::min<qint64>(size - done, 1 << 30));
        const qint64 at = offset + done;
        OVERLAPPED where{};
        where.Offset = static_cast<DWORD>(at & 0xFFFFFFFF);
        where.OffsetHigh = static_cast<DWORD>(at >> 32);
        DWORD moved = 0;
        const BOOL ok = writing ? WriteFile(file, data + done, chunk, &moved, &where)
                                : ReadFile(file, data + done, chunk, &moved, &where);
        if (!ok || moved == 0) {
            errno = ok && writing ? ENOSPC : EIO;
            return false;
        }
        done += moved;
    }
    return true;
}

void TRecordArchive::cutTo(qint64 length) const {
    const HANDLE file = static_cast<HANDLE>(handle_);
    LARGE_INTEGER at{};
    at.QuadPart = length;
    if (SetFilePointerEx(file, at, nullptr, FILE_BEGIN)) SetEndOfFile(file);
}

bool TRecordArchive::flushToDisk() const {
    if (FlushFileBuffers(static_cast<HANDLE>(handle_))) return true;
    errno = EIO;
    return false;
}

bool TRecordArchive::closeFile() {
    const HANDLE h = static_cast<HANDLE>(handle_);
    handle_ = nullptr;
    if (CloseHandle(h)) return true;
    errno = EIO;
    return false;
}

void TRecordArchive::openFile(Mode mode) {
    const bool writable = mode == Mode::OpenOrCreate;
    HANDLE h = CreateFileW(reinterpret_cast<LPCWSTR>(path_.utf16()),
                           writable ? (GENERIC_READ | GENERIC_WRITE) : GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           mode == Mode::ReadOnly ? OPEN_EXISTING : OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    // Reading a year nobody has used yet, in a folder that cannot take the
    // new file: there is simply nothing to read. An archive that is there
    // but cannot be read is a failure, as on the other systems.
    if (h == INVALID_HANDLE_VALUE && mode == Mode::ReadOrCreate &&
        GetLastError() == ERROR_ACCESS_DENIED &&
        GetFileAttributesW(reinterpret_cast<LPCWSTR>(path_.utf16())) == INVALID_FILE_ATTRIBUTES) {
        absent_ = true;
        return;
    }
    if (h == INVALID_HANDLE_VALUE) fail("open");
    // A named pipe or a device is no archive.
    if (GetFileType(h) != FILE_TYPE_DISK) {
        CloseHandle(h);
        fail("open", "not a regular file");
    }
    const DWORD flags = (writable ? LOCKFILE_EXCLUSIVE_LOCK : 0) | LOCKFILE_FAIL_IMMEDIATELY;
    if (!waitForLock([&] {
            OVERLAPPED ov{};
            return LockFileEx(h, flags, 0, MAXDWORD, MAXDWORD, &ov) != 0;
        })) {
        CloseHandle(h);
        throw ArchiveBusy("in use by another copy: " + path_.toStdString());
    }
    handle_ = h;
}

qint64 TRecordArchive::fileSize() const {
    if (absent_) return 0;
    LARGE_INTEGER size{};
    if (!handle_ || !GetFileSizeEx(static_cast<HANDLE>(handle_), &size)) fail("stat");
    return size.QuadPart;
}
