#include "platform/profile.h"

#include "platform/locations.h"
#include "platform/profile_store.h"

#include <QByteArray>
#include <QChar>
#include <QFile>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The next character of a UTF-8 name, case-folded (Unicode simple folding). A byte that does not
// start a well-formed sequence stands for itself, kept apart from every real character.
char32_t nextFolded(std::string_view s, size_t& i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return (lead >= 'A' && lead <= 'Z') ? char32_t(lead - 'A' + 'a') : char32_t(lead);
    }
    const size_t extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : 0;
    char32_t c = extra == 3 ? lead & 0x07 : extra == 2 ? lead & 0x0F : lead & 0x1F;
    bool ok = extra > 0 && lead <= 0xF4;
    for (size_t k = 1; ok && k <= extra; ++k) {
        ok = i + k < s.size() && (byte(i + k) & 0xC0) == 0x80;
        if (ok) c = (c << 6) | (byte(i + k) & 0x3F);
    }
    // Overlong forms and surrogates are not characters either.
    static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    ok = ok && c >= kSmallest[extra] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
    if (!ok) {
        ++i;
        return 0x110000 + lead;
    }
    i += extra + 1;
    return QChar::toCaseFolded(c);
}

// Section and key names match without regard to letter case, for every script.
bool sameName(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size())
        if (nextFolded(a, i) != nextFolded(b, j)) return false;
    return i == a.size() && j == b.size();
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
        // The new section follows the last line directly; that line gets its break first.
        out.append(content);
        if (!content.empty() && content != kByteOrderMark && !content.ends_with('\n') &&
            !content.ends_with('\r'))
            out.append(eol);
        out.append("[").append(section).append("]").append(eol);
        out.append(key).append("=").append(value).append(eol);
    }
    return out;
}

// The raw value of section/key, or nothing when the file, the section or the key is missing.
std::optional<std::string> readValue(const char* section, const char* key, const char* fileName) {
    if (!section || !key) return std::nullopt;
    const QString path = profileFilePath(fileName);
    std::string content;
    if (path.isEmpty() ||
        ProfileStore::readWhole(QFile::encodeName(path), content) != ProfileStore::ReadResult::Ok)
        return std::nullopt;
    const Location loc = locate(content, trim(section), trim(key));
    if (!loc.keyLine) return std::nullopt;
    return std::string(cleanValue(loc.key.value));
}

bool validSection(std::string_view s) {
    return !s.empty() && !hasLineBreak(s) && s.find(']') == s.npos;
}

bool validKey(std::string_view k) {
    return !k.empty() && !hasLineBreak(k) && k.find('=') == k.npos && k.front() != '[' &&
           k.front() != ';';
}

ProfileWriteFailureHook g_failureHook = nullptr;

// The locked read-modify-write of one key.
bool updateFile(const QByteArray& target, std::string_view section, std::string_view key,
                std::string_view value) {
    using namespace ProfileStore;
    const WriteLock lock(target);
    if (!lock.held()) return false;
    std::string content;
    mode_t mode = 0;
    const ReadResult read = readWhole(target, content, &mode);
    if (read == ReadResult::Failed) return false; // never replace a file we could not read
    if (read == ReadResult::Missing) mode = newFileMode();
    const std::string updated = withValue(content, section, key, value);
    if (read == ReadResult::Ok && updated == content)
        return true; // a window stores its position on every move; spare the disk
    if (read == ReadResult::Ok && !writable(target, mode)) return false; // made read-only
    sweepTemporaries(target);
    return replaceFile(target, updated, mode);
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
    const bool bare = !std::strchr(fileName, '/');
    // Write through symbolic links: the link stays, a dangling one gets its target created.
    const QByteArray target = ProfileStore::followLinks(QFile::encodeName(path));
    const bool ok = (!bare || Locations::ensureDir(Locations::stateDir())) && !target.isEmpty() &&
                    updateFile(target, sec, k, value);
    // Told after the lock is gone: the hook may wait for the user.
    if (!ok && g_failureHook) g_failureHook(target.isEmpty() ? path : QFile::decodeName(target));
    return ok;
}

void setProfileWriteFailureHook(ProfileWriteFailureHook hook) {
    g_failureHook = hook;
}

bool WritePrivateProfileInt(const char* section, const char* key, int value, const char* fileName) {
    char text[16];
    std::snprintf(text, sizeof text, "%i", value);
    return WritePrivateProfileString(section, key, text, fileName);
}
