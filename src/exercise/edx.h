#pragma once

#include "exercise/division.h"
#include "exercise/shadows.h"
#include "reading/scr.h"

#include <QString>

#include <deque>
#include <vector>

// The text box of the exercise: the current line sits in the middle of the
// page; it and every line below are drawn as grey shadows, one bar per word
// group, and each LineUp turns the next group of the current line into words.
// Finished lines are kept above the middle in plain text.
class ExerciseBox : public ScrollTextBox {
public:
    explicit ExerciseBox(int division);

    // The line loop: line 0 (the current line) in the middle, the rest below.
    // how 0 draws everything and restarts the current line; 2 draws the line
    // uncovered at the bottom by a scroll and makes the next line current.
    void printTextNoWrap(QPainter& dc, int start, int how) override;
    // A new text starts with its first line hidden.
    void takeText(const QString& text, bool own) override;
    void set(const QString& text) override;
    // Draws the shadows of a line instead of its text.
    void MyTextOut(QPainter& dc, int start, int x, int y, int count, int lineIndex,
                   const QString& text) override;
    // Reveals the next group; after the last one the line is finished.
    void LineUp() override;
    // After a finished line: the whole one-line move, then the next line is current.
    void ScrollIt();
    // Makes n characters of text from p the current line, all groups hidden.
    void StorePopWordGroup(int x, int y, const QString& text, int p, int n, bool setY);
    // Draws the next group's words over its shadow; true when none is left.
    bool PopWordGroup();
    void DrawWordGroups(QPainter& dc, int x, int y, const QString& line);
    // The finished lines above the middle, in plain text.
    void DrawExposedLines(QPainter& dc);
    // Sets the division and stores it for the user; the caller redraws.
    void TargetNoSet(int newDivision);

    // The division of one line (see exercise/division.h).
    static bool IsSeparator(QChar c) { return Division::IsSeparator(c); }
    static bool AllWhite(QStringView s) { return Division::AllWhite(s); }
    static void EatHeadTailWhite(QStringView text, int& start, int& end) {
        Division::EatHeadTailWhite(text, start, end);
    }
    int CalculateIncrement(int n) const {
        return Division::CalculateIncrement(n, division, std::max(AverageLineChars, 1));
    }
    static float CalculateCost(std::span<const int> intervals) {
        return Division::CalculateCost(intervals);
    }
    static void RecursiveBest(const std::vector<Division::SplitPoint>& sp, int start, int slot,
                              int slotCount, std::deque<int>& current, std::deque<int>& best,
                              float& bestCost) {
        Division::RecursiveBest(sp, start, slot, slotCount, current, best, bestCost);
    }
    std::vector<int> DetermineWordGroups(QStringView text, int& start, int& end) const {
        return Division::DetermineWordGroups(text, start, end, division, AverageLineChars);
    }

    // The shadows of a line at (x, y) in the normal font.
    Shadows::Line shadowsOf(const QString& line, int x, int y) const;
    // x of each character of a line (and of its end) from the line's left edge.
    std::vector<int> offsetsOf(const QString& line) const;

    int division;
    bool lineFinished = false;
    int popX = 0;
    int popY = -1;
    int groupCount = 0;
    int nextGroup = 0;
    QString lineText;
    std::vector<QString> groups;
    int lastLineDrawn = -1;

    // Characters of the current line shown as words so far.
    int revealedChars() const { return groupStart; }

private:
    int lineX = 0;                // x of the current line
    std::vector<int> lineOffsets; // its characters' offsets
    int groupStart = 0;           // index in lineText of the next group
    // Draws the next group's words with dc (none: nowhere to draw) and moves past
    // it; the rectangle it covers.
    QRect revealNextGroup(QPainter* dc);
    // True when nothing but white space follows the current line.
    bool onlyWhiteAfterCurrentLine() const;
};
