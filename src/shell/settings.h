#pragma once

#include <QString>

// The user's keys in the settings file: every read goes to the file, every
// change is written at once.
namespace Settings {

int userInt(const char* key, int defaultValue);
QString userString(const char* key, const char* defaultValue, int bufferSize);
bool writeUserInt(const char* key, int value);
bool writeUserString(const char* key, const QString& value);

// "%sScreenX" style keys of one window.
QString positionKey(const QString& positionName, const char* suffix);

// A first name made safe as a section name: no line breaks, brackets or '=', no
// leading ';' or surrounding blanks, at most 99 characters, "Unnamed" when nothing is left.
std::string sanitizeName(const QString& typed);

// From now on, the first settings write of the run that fails tells the user which file cannot
// be written and that this run's changes will not be kept; the run goes on. Installed at start-up.
void noticeWriteFailures();
// Stops telling and forgets that the user was told (a new run, for tests).
void resetWriteFailureNotice();

} // namespace Settings
