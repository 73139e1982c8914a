#pragma once

#include "graph/graph_layout.h"

#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

// Longest stored list read for a graph.
constexpr int kMaxStoredListChars = 1999;
// Longest piece of a stored list read as one number.
constexpr int kMaxStoredPieceChars = 19;

// The pieces of a stored list: leading spaces skipped, then one piece up to each next space, so
// two spaces in a row leave an empty piece between them.
QStringList storedPieces(const QString& text);

// A stored list of results: leading spaces skipped, then one value per piece between single
// spaces; a piece that is not a number (an empty one too) reads as 0. Keeps the first 400.
std::vector<float> readValueList(const QString& text);

// The current user's list under a key, as the graph reads it.
std::vector<float> storedValues(const char* keyName);

// Entries of the comprehension list that are not a per cent: a score without a check, a timed
// practice reading.
inline constexpr char kNoCheckMark[] = "-";
inline constexpr char kPracticeMark[] = "p";

// The comprehension list beside the speed-test scores, one entry per score: a whole number 0 to
// 100 is a per cent, "p" a practice reading; anything else has no point. Entries beyond
// scoreCount belong to no score and are dropped.
std::vector<ComprehensionEntry> readComprehensionList(const QString& text, int scoreCount);

// The current user's comprehension list for that many scores.
std::vector<ComprehensionEntry> storedComprehension(int scoreCount);

// True when the user has saved speed tests; otherwise says so over the parent.
bool STOK(QWidget* parent);
// True when the user has a drill level history; otherwise says so over the parent.
bool DROK(QWidget* parent);
