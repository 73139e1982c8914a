#include "platform/locations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString g_dataOverride;

QString xdgDir(const char* variable, const QString& fallbackUnderHome) {
    QString base = qEnvironmentVariable(variable);
    // Relative values are invalid by the XDG rules and must be ignored.
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + "/" + fallbackUnderHome;
    return QDir::cleanPath(base + "/skimsprinter");
}

bool holdsDataTree(const QString& dir) { return QFileInfo::exists(dir + "/pr_bas.dat"); }

} // namespace

namespace Locations {

QString stateDir() { return xdgDir("XDG_CONFIG_HOME", ".config"); }

QString scoreDir() { return xdgDir("XDG_DATA_HOME", ".local/share"); }

QString dataDir() {
    if (!g_dataOverride.isEmpty())
        return g_dataOverride;
    const QString cwd = QDir::currentPath();
    if (holdsDataTree(cwd))
        return cwd;
    if (QCoreApplication::instance()) {
        const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                  "/../" SKIM_INSTALL_DATA_DIR);
        if (holdsDataTree(installed))
            return installed;
    }
    return QStringLiteral(SKIM_BUILD_DATA_DIR);
}

QString dataPath(const QString& relativeName) {
    QString name = relativeName;
    name.replace('\\', '/');
    if (QDir::isAbsolutePath(name))
        return name;
    return dataDir() + "/" + name;
}

bool ensureDir(const QString& dir) { return QDir().mkpath(dir); }

void setDataDirOverride(const QString& dir) { g_dataOverride = dir; }

} // namespace Locations
