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

// The program's own folder, also before the application object exists (for --help).
QString programDir() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).path();
}

} // namespace

namespace Locations {

QString stateDir() { return xdgDir("XDG_CONFIG_HOME", ".config"); }

QString scoreDir() { return xdgDir("XDG_DATA_HOME", ".local/share"); }

QStringList dataDirCandidates() {
    if (!g_dataOverride.isEmpty())
        return {g_dataOverride};
    QStringList dirs{QDir::currentPath()};
    dirs.append(QDir::cleanPath(programDir() + "/../" SKIM_INSTALL_DATA_DIR));
    dirs.append(QStringLiteral(SKIM_BUILD_DATA_DIR));
    return dirs;
}

QString dataDir() {
    const QStringList dirs = dataDirCandidates();
    for (const QString& dir : dirs)
        if (holdsDataTree(dir))
            return dir;
    return dirs.last();
}

QStringList missingDataParts(const QString& dir) {
    static const char* const kParts[] = {
        "pr_bas.dat",      "pr_adv.dat",        "word_bas/w1.dat", "word_adv/w1.dat",
        "sent_bas/w1.dat", "sent_adv/w1.dat",   "sound/right.wav", "help/contents.html",
    };
    QStringList missing;
    for (const char* part : kParts)
        if (!QFileInfo(dir + "/" + part).isFile())
            missing.append(QString::fromLatin1(part));
    return missing;
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
