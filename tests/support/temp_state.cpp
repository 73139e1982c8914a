#include "support/temp_state.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
std::optional<QByteArray> saved(const char* name) {
    return qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
}
void restore(const char* name, const std::optional<QByteArray>& value) {
    value ? qputenv(name, *value) : qunsetenv(name);
}
} // namespace

QString writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() ? path : QString();
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

TempState::TempState() : oldConfig_(saved("XDG_CONFIG_HOME")), oldData_(saved("XDG_DATA_HOME")) {
    qputenv("XDG_CONFIG_HOME", configHome().toLocal8Bit());
    qputenv("XDG_DATA_HOME", dataHome().toLocal8Bit());
}

TempState::~TempState() {
    restore("XDG_CONFIG_HOME", oldConfig_);
    restore("XDG_DATA_HOME", oldData_);
}

QString TempState::iniPath() const {
    return configHome() + "/skimsprinter/ssv20.ini";
}

QByteArray TempState::readIni() const {
    QFile f(iniPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TempState::writeIni(const QByteArray& content) const {
    writeFile(iniPath(), content);
}
