#pragma once

#include <QString>
#include <QStringList>

// Where the program finds its read-only data tree and keeps the user's state.
namespace Locations {

// Directory of ssv20.ini: $XDG_CONFIG_HOME/skimsprinter (default ~/.config/skimsprinter).
QString stateDir();
// Directory of the score logs: $XDG_DATA_HOME/skimsprinter (default ~/.local/share/skimsprinter).
QString scoreDir();
// The data tree: the working directory when it holds pr_bas.dat, else the installed
// share/skimsprinter, else the tree assembled by the build.
QString dataDir();
// A data-relative name written the old way ("sound\\right.wav") or with '/' made absolute.
QString dataPath(const QString& relativeName);
// Creates the directory if needed; returns false when it cannot.
bool ensureDir(const QString& dir);

// The places dataDir() looks in, in order (only the override when one is set).
QStringList dataDirCandidates();
// The parts of a data tree missing from dir (reading lists, word lists, sounds, help),
// each named by a file that must be there; empty when the tree is complete.
QStringList missingDataParts(const QString& dir);

// Tests point the data tree somewhere else; an empty string restores the search.
void setDataDirOverride(const QString& dir);

} // namespace Locations
