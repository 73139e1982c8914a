#pragma once

#include <QImage>
#include <QRect>

// What a text box needs of the reading window it draws in. The current one is
// the global `win`; the reading windows implement it, and tests use a small host.
class ReadingHost {
public:
    virtual ~ReadingHost() = default;

    // The progress bar: value and range 0..max.
    virtual void SetProgress(int value) = 0;
    virtual void SetProgressMax(int max) = 0;
    // The end of the text is on the page.
    virtual void EnableTimerStop() = 0;
    // A load has put a new text on the page.
    virtual void TextLoaded() = 0;
    // A scroll reached the end of the text.
    virtual void FinishedScrolling() = 0;
    // True when loaded texts get 30 line feeds more, so the last lines can reach the top.
    virtual bool padText() const = 0;

    // The client area's pixels; its size is the client size.
    virtual QImage& canvas() = 0;
    // Shows a rectangle of the canvas at once (a synchronous repaint).
    virtual void present(const QRect& rect) = 0;
    // Outer width of the window whose client is clientWidth wide.
    virtual int outerWidthFor(int clientWidth) const = 0;
    // Resizes the window to an outer width, keeping its position and height; the
    // canvas has its new size when this returns.
    virtual void setOuterWidth(int outerWidth) = 0;
};
