#include "support/temp_state.h"

#include <QDir>
#include <QFile>

#include <cstdlib>

TempState::TempState() {
    hadConfig_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    hadData_ = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    oldConfig_ = qgetenv("XDG_CONFIG_HOME");
    oldData_ = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_CONFIG_HOME", configHome().toLocal8Bit());
    qputenv("XDG_DATA_HOME", dataHome().toLocal8Bit());
}

TempState::~TempState() {
    if (hadConfig_)
        qputenv("XDG_CONFIG_HOME", oldConfig_);
    else
        qunsetenv("XDG_CONFIG_HOME");
    if (hadData_)
        qputenv("XDG_DATA_HOME", oldData_);
    else
        qunsetenv("XDG_DATA_HOME");
}

QString TempState::iniPath() const { return configHome() + "/skimsprinter/ssv20.ini"; }

QByteArray TempState::readIni() const {
    QFile f(iniPath());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void TempState::writeIni(const QByteArray& content) const {
    QDir().mkpath(configHome() + "/skimsprinter");
    QFile f(iniPath());
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(content);
}
