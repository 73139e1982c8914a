#pragma once

#include <QString>
#include <QStringView>

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
// What the user is told about a file that could not be read: caption and text.
struct TextFileProblem {
    QString caption;
    QString text;
};
TextFileProblem textFileProblem(const QString& path, TextFileError error);
QString decodeText(const QByteArray& bytes);
// CR LF and lone CR made line feeds, as in every text read.
QString unifyLineEnds(QString text);

// The end of the grapheme cluster that starts at `from`: what a reader sees as one
// character (a base with its marks, a surrogate pair, an emoji sequence, a flag, a
// Hangul syllable of jamo). A line is never broken inside one.
qsizetype clusterEnd(QStringView text, qsizetype from);

// How wide a grapheme cluster is drawn.
using ClusterWidth = std::function<qreal(QStringView cluster)>;

// The summed widths of the clusters of a line, trailing spaces left out.
qreal summedWidth(QStringView line, const ClusterWidth& width);

// The user's own text laid out for reading. Tabs become spaces up to the next stop
// of eight characters, so they are measured as drawn. A line wider than `limit`
// (by summed cluster widths) breaks at its last space that fits, which becomes the
// line feed (spaces at the edge stay on the line they end), or, in a word wider
// than a line on its own, between clusters where it reaches the edge. A paragraph
// that had to be broken is followed by an empty line unless one follows already.
QString wrapLines(const QString& text, const ClusterWidth& width, qreal limit);
