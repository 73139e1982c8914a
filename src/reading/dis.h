#pragma once

#include <QString>

#include <deque>

// One line a text box has drawn.
struct linerec {
    int x = 0;     // left edge, client pixels
    int y = 0;     // top, client pixels
    int len = 0;   // characters in the line
    int start = 0; // index in the box's text of the line's first character
    char kind = 'f';
    char flag = 0;
    QString text;
};

// What a text box has drawn: the lines on the page (newest at the front, so the
// back is the top line of the page) and the texts of the lines that scrolled
// off the top (newest at the front, at most MidLineStart of them).
class display {
public:
    // Character number the page is laid out from: -1 for the start of the text,
    // otherwise the line feed ending the line above the top line.
    int topleftcharno = -1;
    // y of the first line recorded since the text was last set; -1 while none.
    int MidLineY = -1;
    // The most top lines kept; set by the owner before LineEatTop or TopLine.
    int MidLineStart = 0;

    void NewText();
    void set_top_left(int charNo) { topleftcharno = charNo; }
    void AddLine(int x, int y, int start, char kind, int len, char flag, const QString& text);
    void LinesErase() { lines_.clear(); }
    void TopLinesErase() { topLines_.clear(); }
    void LineEatTop();
    // Kept top line i, 0 = the oldest kept; out of range says "topline error"
    // and gives an empty text.
    QString TopLine(int i) const;
    int TopLinesDone() const { return static_cast<int>(topLines_.size()); }
    void SetMidLineStart(int count) { MidLineStart = count; }
    // Length and start of the top line of the page; only while lines() is not empty.
    int LMidLine() const { return lines_.back().len; }
    int CMidLine() const { return lines_.back().start; }
    int YMidLine() const { return MidLineY; }

    const std::deque<linerec>& lines() const { return lines_; }

private:
    std::deque<linerec> lines_;
    std::deque<QString> topLines_;
};
