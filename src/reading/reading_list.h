#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// The reading list files and the "ReadingsDone..." counts, apart from the dialog.

struct ReadingEntry {
    QString title;
    int number; // n of "pr_bas/p%i.dat"
};

// Most entries a list shows.
constexpr int kMaxReadings = 100;
// Longest title taken from a title line, and number line read.
constexpr int kMaxTitleChars = 298;
constexpr int kMaxNumberChars = 18;
// Buffer of the done counts as the settings file is read.
constexpr int kDoneTextSize = 500;
// Largest done count kept; a bigger stored number is read as this.
constexpr int kMaxDoneCount = 99999;

// Entries of a list file: a title line, then a number line whose leading decimal
// integer is the file number. CR LF and lone CR end lines too. A title that ends the
// file without a line end, or that has no number line after it, is not listed; nor is
// an entry whose number is not 0..999 (it names no file, and -2 and 1000 already mean
// "own text file" and "cancel" to the callers). At most kMaxReadings entries.
std::vector<ReadingEntry> parseReadingList(const QByteArray& content);

// Done counts in list order from the stored text: pieces between spaces, each read as a
// decimal integer; a piece that is not a number, or is negative, counts 0; counts are
// capped at kMaxDoneCount. Missing pieces are filled with 0 up to `entries`.
std::vector<int> parseDoneCounts(const QString& text, int entries);

// The stored form: every count followed by one space.
QString doneCountsText(const std::vector<int>& counts);

// "%3i   %s": the count right-aligned in three columns, three spaces, the title.
QString readingListLine(int count, const QString& title);

// The first of the least-read readings, -1 for an empty list.
int leastReadIndex(const std::vector<int>& counts);

// The list's top row that brings the best entry into view with a few rows above it.
inline int listTopIndex(int best) {
    return best - 5 > 0 ? best - 5 : 0;
}

// Names of the reading files of a mode, relative to the data tree.
QString readingListFileName(bool advanced);            // "pr_bas.dat"
QString practiceReadingFileName(bool advanced, int n); // "pr_bas/p3.dat"
QString speedTestFileName(bool advanced, int n);       // "st_bas/st2.dat"
