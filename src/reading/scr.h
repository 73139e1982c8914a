#pragma once

#include "reading/textbox.h"

#include <QRect>

class QImage;

// The pixels one scroll call moves: call k of a line (k = StepCount mod
// stepsPerLine, 0 for the call completing the line). The calls of one line add
// up to lineHeight; the spare pixels go to the completing call and the first ones.
int scrollPixelStep(int lineHeight, int stepsPerLine, int k);

// The part of the client area that scrolls: the page inside its frame, below the
// top margin.
QRect scrollRectangle(const QSize& client, int offset, int margin);

// Moves the pixels of `rect` up by `d` rows inside the image; the bottom d rows
// of the rectangle keep their old pixels.
void scrollImageUp(QImage& image, const QRect& rect, int d);

// The text box with smooth scrolling: each call moves the page up by part of a
// line; after StepsPerLine calls the top of the text is one line further on and
// the new bottom line is drawn.
class ScrollTextBox : public TextBox {
public:
    explicit ScrollTextBox(int lineMode);

    void takeText(const QString& text, bool own) override;
    void set(const QString& text) override;
    bool NewSize() override;
    void TextAllRedraw(QPainter* dc, int how) override;
    virtual void LineUp() { ScrollLine(-1); }

    void ScrollVerySmooth() { smoothness(16); }
    void ScrollSmooth() { smoothness(8); }
    void ScrollMedium() { smoothness(4); }
    void ScrollCourse() { smoothness(2); }

    // cn must lie inside the text.
    void SetTopLeftCharNo(int cn);
    // The k-th line feed after pos, or the text length when there are fewer.
    int FindNewStartChar(int pos, int k) const;
    // One scroll step (direction -1: the text moves up). True while a line is only
    // partly scrolled.
    bool ScrollLine(int direction);

    int StepCount = 0;
    int StepsPerLine = 4;
    // The line feed ending the line above the top line; -1 at the top of the text,
    // so a line feed at index 0 ends the first line like any other.
    int StartChar = -1;

private:
    void smoothness(int stepsPerLine);
};
