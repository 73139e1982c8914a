#pragma once

#include <QString>

// The settings file: one INI file read and written through the three classic private-profile
// calls, so callers keep their usual shape (read an int, read text into a buffer, write text).
//
// File format as read:
// - "[name]" opens a section; "key=value" holds a value; a line starting with ';' (after blanks)
//   is a comment; anything else is ignored but kept when the file is rewritten.
// - Section and key names are UTF-8 and match without regard to letter case (Unicode simple case
//   folding, so "Émile" and "émile" are one name) and surrounding blanks.
//   The first of duplicate sections is the only one searched; the first of duplicate keys wins.
// - A value read loses surrounding blanks and one pair of matching quotes ('...' or "...").
// - LF, CR LF and lone CR line ends are all read; a leading UTF-8 byte-order mark is skipped.
//
// Every read opens the file anew (no cache), so a value written by another window or another
// copy of the program is seen at once. Every write is a locked read-modify-write that replaces
// the file atomically (see WritePrivateProfileString and platform/profile_store.h).

using DWORD = unsigned int;

// The decimal number at the start of the value (optional sign), wrapping like a 32-bit unsigned
// value: "-1" and "4294967295" both read -1. A value not starting with a number (or empty) reads
// 0; a missing file, section or key, or a null section or key, gives defaultValue.
int GetPrivateProfileInt(const char* section, const char* key, int defaultValue,
                         const char* fileName);

// Copies the value (or, when missing, defaultValue; null means "") into buffer: at most size - 1
// characters, always terminated unless size is 0. Returns the number of characters copied.
DWORD GetPrivateProfileString(const char* section, const char* key, const char* defaultValue,
                              char* buffer, DWORD size, const char* fileName);

// Sets section/key to value, creating the file (and, for a bare name, the state directory), the
// section and the key as needed. An existing key is rewritten in place as "Key=value" with the
// file's own spelling of the name; a new key goes right after the section's last key line; a new
// section goes right after the file's last line (which gets a line break first if it lacks one).
// All other bytes, line ends included, stay as they were; new lines use the file's line-end
// style. A symbolic link is written through (a dangling one gets its target created); a new file
// gets the permissions the user's umask allows, an existing one keeps its own.
// Returns false, leaving the file alone, for a null argument, a name the format cannot hold
// (empty, or with '=', ']', a leading ';' or '['), a value with a line break (it would split the
// entry and corrupt the lines after it), a file the user made read-only, a file or directory that
// cannot be read or written, or a lock another writer holds for more than about two seconds.
// The last three also call the write-failure hook.
bool WritePrivateProfileString(const char* section, const char* key, const char* value,
                               const char* fileName);

// Writes the integer as "%i" formats it.
bool WritePrivateProfileInt(const char* section, const char* key, int value, const char* fileName);

// Called with the file's path when a write fails for a reason of the file, its directory or its
// lock (not for arguments refused); the shell installs one to tell the user. Null: no hook.
using ProfileWriteFailureHook = void (*)(const QString& path);
void setProfileWriteFailureHook(ProfileWriteFailureHook hook);

// The file a name stands for: a bare name lives in Locations::stateDir(); a name containing '/'
// is used as given. Empty for a null or empty name.
QString profileFilePath(const char* fileName);
