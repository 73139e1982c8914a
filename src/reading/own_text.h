#pragma once

#include "reading/reading_places.h"

#include <QString>

#include <optional>

class QWidget;

// A text of the user's own to read: a text file, a chapter of a book or what was pasted.
struct OwnText {
    QString text;  // as read, before it is wrapped for reading
    QString label; // what the caption "Text File (...)" shows
    PlaceKey key;  // empty for pasted text, which has no place to go back to
    bool remembered() const { return !key.path.isEmpty(); }
};

namespace OwnTexts {

// The file dialog, in the folder of the user's last own text (else their home folder);
// nothing when it was cancelled.
std::optional<QString> choosePath(QWidget* parent);
// Keeps the folder of a text that was read, for the next choice.
void rememberFolder(const QString& path);

// The file the user chose: a book (a zip archive, whatever its name), of which the user then
// picks a chapter, or a text file. Nothing when it cannot be read (the user was told, naming
// the file) or no chapter was chosen.
std::optional<OwnText> readFile(QWidget* parent, const QString& path);

// The clipboard's plain text, else its HTML as text; nothing (the user was told) when it holds
// none.
std::optional<OwnText> paste(QWidget* parent);

} // namespace OwnTexts
