#include "platform/profile.h"

#include "platform/locations.h"

#include <QByteArray>
#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

bool hasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != s.npos;
}

// One physical line: its text is [begin, textEnd), its line break [textEnd, end).
struct Line {
    size_t begin = 0, textEnd = 0, end = 0;
};

// The line starting at pos; a line ends at LF, CR LF or a lone CR.
Line lineAt(std::string_view s, size_t pos) {
    size_t textEnd = std::min(s.find_first_of("\r\n", pos), s.size());
    size_t end = textEnd;
    if (end < s.size()) end += (s[end] == '\r' && end + 1 < s.size() && s[end + 1] == '\n') ? 2 : 1;
    return {pos, textEnd, end};
}

// The break used for lines we add: the file's first one, LF for a file without any.
std::string_view lineBreakStyle(std::string_view s) {
    const size_t i = s.find_first_of("\r\n");
    if (i == s.npos || s[i] == '\n') return "\n";
    return (i + 1 < s.size() && s[i + 1] == '\n') ? "\r\n" : "\r";
}

enum class Kind { Other, Section, Key };

struct Parsed {
    Kind kind = Kind::Other;
    std::string_view name;  // section or key, trimmed, as spelled in the file
    std::string_view value; // raw text after '='
};

Parsed parseLine(std::string_view text) {
    const std::string_view t = trim(text);
    if (t.empty() || t.front() == ';') return {};
    if (t.front() == '[') {
        const size_t close = t.find(']');
        if (close == t.npos) return {};
        return {Kind::Section, trim(t.substr(1, close - 1)), {}};
    }
    const size_t eq = t.find('=');
    if (eq == t.npos || trim(t.substr(0, eq)).empty()) return {};
    return {Kind::Key, trim(t.substr(0, eq)), t.substr(eq + 1)};
}

// Where a key is, or where it would go, in the first section of that name.
struct Location {
    bool sectionFound = false;
    std::optional<Line> keyLine; // the first line holding the key
    Parsed key;                  // that line, parsed
    Line lastEntry;              // the section's header or its last key line so far
};

Location locate(std::string_view content, std::string_view section, std::string_view key) {
    Location loc;
    size_t pos = content.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    bool inSection = false;
    while (pos < content.size()) {
        const Line line = lineAt(content, pos);
        pos = line.end;
        const Parsed p = parseLine(content.substr(line.begin, line.textEnd - line.begin));
        if (p.kind == Kind::Section) {
            if (inSection) break; // only the first section of a name counts
            inSection = sameName(p.name, section);
            if (inSection) {
                loc.sectionFound = true;
                loc.lastEntry = line;
            }
        } else if (inSection && p.kind == Kind::Key) {
            loc.lastEntry = line;
            if (sameName(p.name, key)) {
                loc.keyLine = line;
                loc.key = p;
                break;
            }
        }
    }
    return loc;
}

// What a read returns for a raw value: no surrounding blanks, no pair of enclosing quotes, and
// nothing from a NUL byte on (the caller gets a C string).
std::string_view cleanValue(std::string_view raw) {
    std::string_view v = trim(raw);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return v.substr(0, v.find('\0'));
}

// The file's content with section/key set to value.
std::string withValue(std::string_view content, std::string_view section, std::string_view key,
                      std::string_view value) {
    const std::string_view eol = lineBreakStyle(content);
    const Location loc = locate(content, section, key);
    std::string out;
    out.reserve(content.size() + section.size() + key.size() + value.size() + 8);
    if (loc.keyLine) {
        out.append(content.substr(0, loc.keyLine->begin));
        out.append(loc.key.name).append("=").append(value);
        out.append(content.substr(loc.keyLine->textEnd));
    } else if (loc.sectionFound) {
        const Line& after = loc.lastEntry;
        out.append(content.substr(0, after.end));
        if (after.textEnd == after.end) // last line of a file without a final break
            out.append(eol).append(key).append("=").append(value);
        else
            out.append(key).append("=").append(value).append(eol);
        out.append(content.substr(after.end));
    } else {
        out.append(content);
        if (!content.empty()) {
            std::string_view body = content;
            if (body.ends_with("\r\n"))
                body.remove_suffix(2);
            else if (body.ends_with('\n') || body.ends_with('\r'))
                body.remove_suffix(1);
            else
                out.append(eol);
            const size_t lastLine = body.find_last_of("\r\n");
            const size_t start = lastLine == body.npos ? 0 : lastLine + 1;
            if (!trim(body.substr(start)).empty()) out.append(eol); // a blank line between sections
        }
        out.append("[").append(section).append("]").append(eol);
        out.append(key).append("=").append(value).append(eol);
    }
    return out;
}

enum class ReadResult { Ok, Missing, Failed };

// Reads the whole file in one go. Anything but a regular file counts as unreadable (a FIFO
// would block, a directory has no content).
ReadResult readWhole(const QByteArray& path, std::string& out, mode_t* mode = nullptr) {
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

// The raw value of section/key, or nothing when the file, the section or the key is missing.
std::optional<std::string> readValue(const char* section, const char* key, const char* fileName) {
    if (!section || !key) return std::nullopt;
    const QString path = profileFilePath(fileName);
    std::string content;
    if (path.isEmpty() || readWhole(QFile::encodeName(path), content) != ReadResult::Ok)
        return std::nullopt;
    const Location loc = locate(content, trim(section), trim(key));
    if (!loc.keyLine) return std::nullopt;
    return std::string(cleanValue(loc.key.value));
}

// An exclusive flock on "<file>.lock", held while the object lives. A separate lock file,
// because the settings file itself is replaced by rename on every write.
class WriteLock {
public:
    explicit WriteLock(const QByteArray& target) {
        fd_ = ::open((target + ".lock").constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ < 0) return;
        int rc;
        do
            rc = ::flock(fd_, LOCK_EX);
        while (rc != 0 && errno == EINTR);
        if (rc != 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~WriteLock() {
        if (fd_ >= 0) ::close(fd_); // releases the lock
    }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data.remove_prefix(size_t(n));
    }
    return true;
}

// Writes a temporary file beside the target, makes it durable and renames it over the target, so
// a reader or a crash sees either the old file or the new one, never a part of either.
bool replaceFile(const QByteArray& target, std::string_view content, mode_t mode) {
    QByteArray temp = target + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = ::fchmod(fd, mode) == 0 && writeAll(fd, content) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temp.constData(), target.constData()) != 0) {
        ::unlink(temp.constData());
        return false;
    }
    // Make the rename itself durable. Some file systems cannot sync a directory; the new file is
    // in place either way, so a failure here is not a failed write.
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray dir = slash > 0 ? target.left(slash) : QByteArray(slash == 0 ? "/" : ".");
    const int dirFd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

bool validSection(std::string_view s) {
    return !s.empty() && !hasLineBreak(s) && s.find(']') == s.npos;
}

bool validKey(std::string_view k) {
    return !k.empty() && !hasLineBreak(k) && k.find('=') == k.npos && k.front() != '[' &&
           k.front() != ';';
}

} // namespace

QString profileFilePath(const char* fileName) {
    if (!fileName || !*fileName) return {};
    if (std::strchr(fileName, '/')) return QFile::decodeName(fileName);
    return Locations::stateDir() + "/" + QFile::decodeName(fileName);
}

int GetPrivateProfileInt(const char* section, const char* key, int defaultValue,
                         const char* fileName) {
    const std::optional<std::string> value = readValue(section, key, fileName);
    if (!value) return defaultValue;
    const std::string_view v = *value;
    size_t i = 0;
    bool negative = false;
    if (i < v.size() && (v[i] == '+' || v[i] == '-')) negative = v[i++] == '-';
    std::uint32_t n = 0;
    while (i < v.size() && v[i] >= '0' && v[i] <= '9')
        n = n * 10u + std::uint32_t(v[i++] - '0');
    return static_cast<int>(negative ? 0u - n : n);
}

DWORD GetPrivateProfileString(const char* section, const char* key, const char* defaultValue,
                              char* buffer, DWORD size, const char* fileName) {
    if (!buffer || size == 0) return 0;
    const std::optional<std::string> value = readValue(section, key, fileName);
    const std::string_view text =
        value ? std::string_view(*value) : std::string_view(defaultValue ? defaultValue : "");
    const size_t n = std::min<size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return DWORD(n);
}

bool WritePrivateProfileString(const char* section, const char* key, const char* value,
                               const char* fileName) {
    if (!section || !key || !value) return false;
    const std::string_view sec = trim(section), k = trim(key);
    if (!validSection(sec) || !validKey(k) || hasLineBreak(value)) return false;
    const QString path = profileFilePath(fileName);
    if (path.isEmpty()) return false;
    if (!std::strchr(fileName, '/') && !Locations::ensureDir(Locations::stateDir())) return false;

    QByteArray target = QFile::encodeName(path);
    // Write through a symbolic link rather than replacing the link with a plain file.
    if (char* real = ::realpath(target.constData(), nullptr)) {
        target = real;
        std::free(real);
    }

    const WriteLock lock(target);
    if (!lock.held()) return false;
    std::string content;
    mode_t mode = 0644;
    const ReadResult read = readWhole(target, content, &mode);
    if (read == ReadResult::Failed) return false; // never replace a file we could not read
    const std::string updated = withValue(content, sec, k, value);
    if (read == ReadResult::Ok && updated == content)
        return true; // a window stores its position on every move; spare the disk
    return replaceFile(target, updated, mode);
}

bool WritePrivateProfileInt(const char* section, const char* key, int value, const char* fileName) {
    char text[16];
    std::snprintf(text, sizeof text, "%i", value);
    return WritePrivateProfileString(section, key, text, fileName);
}
