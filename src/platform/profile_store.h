#pragma once

#include <QByteArray>

#include <sys/types.h>

#include <string>
#include <string_view>

// The file side of the settings file: reading it whole, the lock that serialises writers (also
// across copies of the program), and the atomic replacement of its content.
namespace ProfileStore {

enum class ReadResult { Ok, Missing, Failed };

// Reads the whole file. Anything but a regular file counts as unreadable (a FIFO would block, a
// directory has no content). On Ok, *mode (when given) receives the permission bits.
ReadResult readWhole(const QByteArray& path, std::string& out, mode_t* mode = nullptr);

// The path a chain of symbolic links ends in, so a write goes to the file the user linked to and
// the link stays; a dangling link gives the path of the missing target. Empty for a loop.
QByteArray followLinks(QByteArray path);

// True when the existing file may be written: its owner has not taken away the write
// permission (checked on the bits too, as they do not bind root).
bool writable(const QByteArray& path, mode_t mode);

// Permission bits for a new file: what the user's umask leaves of rw-rw-rw-.
mode_t newFileMode();

// Removes temporary files that a writer killed mid-write left beside target. Only called while
// holding the lock, when no live writer can own one.
void sweepTemporaries(const QByteArray& target);

// Writes content to a temporary file beside target, makes it durable and renames it over target:
// a reader or a crash sees the old file or the new one, never a part of either. The temporary file
// has no name while it is written where the file system allows.
bool replaceFile(const QByteArray& target, std::string_view content, mode_t mode);

// An exclusive flock on "<target>.lock", held while the object lives; a separate file, because
// the settings file itself is replaced on every write. Waits at most waitMs for a stopped or
// hung holder, then gives up (held() is false).
class WriteLock {
public:
    static constexpr int kWaitMs = 2000;
    explicit WriteLock(const QByteArray& target, int waitMs = kWaitMs);
    ~WriteLock();
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

} // namespace ProfileStore
