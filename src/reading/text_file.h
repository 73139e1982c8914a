#pragma once

#include <QString>

#include <functional>

// Reading a text into the box: CR LF and lone CR become line feeds; UTF-16 after
// its byte-order mark, else UTF-8, or Latin-1 when the bytes are not valid UTF-8.
enum class TextFileError { None, CannotOpen, NotText, TooLarge };

struct TextFileResult {
    TextFileError error = TextFileError::None;
    QString text;
};

// Largest file read; beyond it the user is told instead.
constexpr qint64 kMaxTextFileBytes = 20 * 1024 * 1024;

TextFileResult readTextFile(const QString& path);
QString decodeText(const QByteArray& bytes);

// Breaks every line wider than maxWidth (by summed character advances): at its
// last space that fits, which becomes the line feed, or inside a word that is
// wider than a line on its own.
QString wrapLines(const QString& text, const std::function<int(QChar)>& advance, int maxWidth);
