#include "platform/profile_store.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace ProfileStore {

namespace {

// Temporary files are "<name>.tmp-" and six characters: a pattern no file of the user's has.
constexpr std::string_view kTempInfix = ".tmp-";
constexpr size_t kTempRandom = 6;

QByteArray directoryOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash > 0 ? path.left(slash) : QByteArray(slash == 0 ? "/" : ".");
}

QByteArray baseNameOf(const QByteArray& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data.remove_prefix(size_t(n));
    }
    return true;
}

bool fillFile(int fd, std::string_view content, mode_t mode) {
    return ::fchmod(fd, mode) == 0 && writeAll(fd, content) && ::fsync(fd) == 0;
}

QByteArray temporaryName(const QByteArray& target) {
    static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = target + QByteArray(kTempInfix.data(), qsizetype(kTempInfix.size()));
    for (size_t i = 0; i < kTempRandom; ++i)
        name.append(kChars[::arc4random_uniform(sizeof kChars - 1)]);
    return name;
}

// Writes an unnamed file in the target's directory and gives it a temporary name only once it is
// complete, so a writer killed while writing leaves nothing behind. False (and nothing created)
// where the file system or a missing /proc does not allow it.
bool writeUnnamed(const QByteArray& target, std::string_view content, mode_t mode,
                  QByteArray& tempName) {
    const int fd = ::open(directoryOf(target).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    bool ok = fillFile(fd, content, mode);
    if (ok) {
        char self[64];
        std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
        ok = false;
        for (int attempt = 0; attempt < 8 && !ok; ++attempt) {
            tempName = temporaryName(target);
            ok = ::linkat(AT_FDCWD, self, AT_FDCWD, tempName.constData(), AT_SYMLINK_FOLLOW) == 0;
            if (!ok && errno != EEXIST) break;
        }
    }
    ::close(fd);
    return ok;
}

// The same through a named temporary file, for file systems without unnamed ones.
bool writeNamed(const QByteArray& target, std::string_view content, mode_t mode,
                QByteArray& tempName) {
    tempName = target + QByteArray(kTempInfix.data(), qsizetype(kTempInfix.size())) + "XXXXXX";
    const int fd = ::mkostemp(tempName.data(), O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = fillFile(fd, content, mode);
    if (::close(fd) == 0 && ok) return true;
    ::unlink(tempName.constData());
    return false;
}

} // namespace

ReadResult readWhole(const QByteArray& path, std::string& out, mode_t* mode) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return ReadResult::Failed;
    }
    if (mode) *mode = st.st_mode & 07777;
    out.clear();
    out.reserve(size_t(st.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n > 0) {
            out.append(chunk, size_t(n));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            ::close(fd);
            return ReadResult::Failed;
        }
    }
    ::close(fd);
    return ReadResult::Ok;
}

QByteArray followLinks(QByteArray path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        char to[PATH_MAX];
        const ssize_t n = ::readlink(path.constData(), to, sizeof to);
        if (n <= 0 || size_t(n) >= sizeof to) return {};
        const QByteArray next(to, n);
        // A relative link is relative to the directory holding the link.
        path = next.startsWith('/') ? next : directoryOf(path) + "/" + next;
    }
    return {};
}

bool writable(const QByteArray& path, mode_t mode) {
    return (mode & 0222) != 0 && ::access(path.constData(), W_OK) == 0;
}

mode_t newFileMode() {
    mode_t mask = 022;
    bool found = false;
    if (FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned value = 0;
        while (!found && std::fgets(line, sizeof line, status))
            found = std::sscanf(line, "Umask: %o", &value) == 1;
        std::fclose(status);
        if (found) mask = mode_t(value);
    }
    if (!found) { // kernels before 4.7 do not show it
        mask = ::umask(022);
        ::umask(mask);
    }
    return 0666 & ~mask;
}

void sweepTemporaries(const QByteArray& target) {
    const QByteArray dir = directoryOf(target);
    const QByteArray prefix =
        baseNameOf(target) + QByteArray(kTempInfix.data(), qsizetype(kTempInfix.size()));
    DIR* d = ::opendir(dir.constData());
    if (!d) return;
    while (const dirent* entry = ::readdir(d)) {
        const std::string_view name = entry->d_name;
        if (name.size() == size_t(prefix.size()) + kTempRandom &&
            name.starts_with(std::string_view(prefix.constData(), size_t(prefix.size()))))
            ::unlinkat(::dirfd(d), entry->d_name, 0);
    }
    ::closedir(d);
}

bool replaceFile(const QByteArray& target, std::string_view content, mode_t mode) {
    QByteArray temp;
    if (!writeUnnamed(target, content, mode, temp) && !writeNamed(target, content, mode, temp))
        return false;
    if (::rename(temp.constData(), target.constData()) != 0) {
        ::unlink(temp.constData());
        return false;
    }
    // Make the rename itself durable. Some file systems cannot sync a directory; the new file is
    // in place either way, so a failure here is not a failed write.
    const int dirFd = ::open(directoryOf(target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

WriteLock::WriteLock(const QByteArray& target, int waitMs) {
    // Read-only is enough for flock, and lets a user lock a lock file another user created.
    fd_ = ::open((target + ".lock").constData(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) return;
    // Polled rather than blocking, so a stopped or hung copy holding the lock cannot freeze us.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return;
        if ((errno != EWOULDBLOCK && errno != EINTR) ||
            std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
    ::close(fd_);
    fd_ = -1;
}

WriteLock::~WriteLock() {
    if (fd_ >= 0) ::close(fd_); // releases the lock
}

} // namespace ProfileStore
