#include "shell/settings.h"

#include "platform/message_box.h"
#include "platform/profile.h"
#include "shell/globals.h"

#include <QApplication>

#include <vector>

namespace {

bool g_toldWriteFailure = false;

void tellWriteFailure(const QString& path) {
    if (g_toldWriteFailure || !QApplication::instance()) return;
    // Set first: the box's event loop may run more writes, which must not ask again.
    g_toldWriteFailure = true;
    MessageBox(QApplication::activeWindow(),
               QStringLiteral("SkimSprinter cannot save its settings in the file\n%1\n\n"
                              "The changes of this run (levels, speeds, window positions, "
                              "use count) will not be kept. You can go on using the program.")
                   .arg(path),
               QStringLiteral("Settings not saved"), MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

namespace Settings {

int userInt(const char* key, int defaultValue) {
    return GetPrivateProfileInt(PersonName.c_str(), key, defaultValue, ProfileName);
}

QString userString(const char* key, const char* defaultValue, int bufferSize) {
    std::vector<char> buffer(std::max(bufferSize, 1), '\0');
    GetPrivateProfileString(PersonName.c_str(), key, defaultValue, buffer.data(),
                            DWORD(buffer.size()), ProfileName);
    return QString::fromLocal8Bit(buffer.data());
}

bool writeUserInt(const char* key, int value) {
    return WritePrivateProfileString(PersonName.c_str(), key, std::to_string(value).c_str(),
                                     ProfileName);
}

bool writeUserString(const char* key, const QString& value) {
    return WritePrivateProfileString(PersonName.c_str(), key, value.toLocal8Bit().constData(),
                                     ProfileName);
}

QString positionKey(const QString& positionName, const char* suffix) {
    return positionName + QString::fromLatin1(suffix);
}

std::string sanitizeName(const QString& typed) {
    QString name;
    name.reserve(typed.size());
    for (QChar c : typed) {
        // Brackets and '=' would make the line read as something else than a
        // section header; control characters (line breaks above all) would split it.
        if (c == '[' || c == ']' || c == '=' || c.category() == QChar::Other_Control)
            continue;
        name.append(c);
    }
    name = name.trimmed();
    // A leading ';' would turn the header into a comment.
    while (name.startsWith(';'))
        name = name.mid(1).trimmed();
    QByteArray bytes = name.toUtf8();
    if (bytes.size() > kMaxNameLength) {
        // Keep whole characters: cut at a UTF-8 lead byte.
        int cut = kMaxNameLength;
        while (cut > 0 && (quint8(bytes[cut]) & 0xC0) == 0x80)
            --cut;
        bytes.truncate(cut);
        bytes = QString::fromUtf8(bytes).trimmed().toUtf8();
    }
    if (bytes.isEmpty())
        return "Unnamed";
    return bytes.toStdString();
}

void noticeWriteFailures() {
    setProfileWriteFailureHook(&tellWriteFailure);
}

void resetWriteFailureNotice() {
    setProfileWriteFailureHook(nullptr);
    g_toldWriteFailure = false;
}

} // namespace Settings
