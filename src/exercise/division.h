#pragma once

#include <QString>
#include <QStringView>

#include <deque>
#include <span>
#include <vector>

// Cutting one line of a reading into word groups of even length, cut only at
// white space, with about `division` groups on a line of average length. The
// same line, division and average always give the same cuts, so the shadows
// drawn for a line and the groups revealed from it coincide.
namespace Division {

constexpr int kMinDivision = 1;
constexpr int kMaxDivision = 20;
constexpr int kDefaultDivision = 4;

// A stored division outside 1..20 is used as the nearest end.
int ClampDivision(int division);

// The two cuts a slot offers: the separator found looking back from the ideal
// cut and the one found looking forward, -1 for none.
struct SplitPoint {
    int before = -1;
    int after = -1;
};

// Space and tab; nothing else, not even the line feed.
bool IsSeparator(QChar c);
// True when every character is a separator (and for an empty text).
bool AllWhite(QStringView s);
// Narrows [start, end) to the visible part of the line: trailing separators and
// line feeds go, leading separators go, leading line feeds stay. Callers pass
// 0 and the line length. A line of only separators ends with start = 1, end = 0.
void EatHeadTailWhite(QStringView text, int& start, int& end);
// Ideal group length for n visible characters.
int CalculateIncrement(int n, int division, int averageChars);
// The slots of a trimmed line of n visible characters from start, cut every inc.
std::vector<SplitPoint> FindSlots(QStringView text, int start, int n, int inc);
// Population variance of the non-zero intervals, summed in single precision.
float CalculateCost(std::span<const int> intervals);

// The search every candidate goes through: one cut per slot, before then after,
// slot 0 most significant; a strictly smaller cost replaces the best. The
// current sequence grows at its front, so its front is the deepest slot.
void RecursiveBest(const std::vector<SplitPoint>& sp, int start, int slot, int slotCount,
                   std::deque<int>& current, std::deque<int>& best, float& bestCost);
// The cost the search starts from: a candidate must cost less to be kept.
constexpr float kStartCost = 100000000.0f;

// The same winner as RecursiveBest without visiting every candidate; the cuts
// in increasing order (empty when nothing beats kStartCost).
std::vector<int> FastBest(const std::vector<SplitPoint>& sp, int start);

enum class Search { Fast, Exhaustive };

// The division of one line: trims it (start and end hold the trimmed bounds on
// return) and gives the breaks, the indices at which groups 1, 2 ... begin,
// strictly increasing. A division outside 1..20 is clamped, an average below 1
// is taken as 1.
std::vector<int> DetermineWordGroups(QStringView text, int& start, int& end, int division,
                                     int averageChars, Search search = Search::Fast);

// The line cut at its breaks: leading separators stay in group 0, trailing ones
// in the last group; no groups for an empty line.
std::vector<QString> CutIntoGroups(QStringView text, const std::vector<int>& breaks);

} // namespace Division
