#include "reading/scr.h"

#include "platform/canvas_widget.h"
#include "reading/readinghost.h"
#include "shell/globals.h"

#include <QImage>
#include <QPainter>

#include <cstring>

int scrollPixelStep(int lineHeight, int stepsPerLine, int k) {
    if (stepsPerLine < 1) return lineHeight;
    return lineHeight / stepsPerLine + (k < lineHeight % stepsPerLine ? 1 : 0);
}

QRect scrollRectangle(const QSize& client, int offset, int margin) {
    return QRect(QPoint(offset + 1, offset + margin + 1),
                 QPoint(client.width() - offset - 2, client.height() - offset - 2));
}

void scrollImageUp(QImage& image, const QRect& rect, int d) {
    // Logical pixels in, the image's own rows moved.
    const QRect r = devicePixels(image, rect) & image.rect();
    d *= canvasRatio(image.devicePixelRatio());
    if (d <= 0 || r.isEmpty() || d >= r.height()) return;
    const int bytesPerPixel = image.depth() / 8;
    const qsizetype rowBytes = qsizetype(r.width()) * bytesPerPixel;
    const qsizetype stride = image.bytesPerLine();
    uchar* bits = image.bits() + qsizetype(r.x()) * bytesPerPixel;
    for (int y = r.top(); y + d <= r.bottom(); ++y)
        std::memmove(bits + y * stride, bits + (y + d) * stride, rowBytes);
}

namespace {

// White rows written directly: a painter per scroll step costs more than the step.
void fillWhite(QImage& image, const QRect& rect) {
    const QRect r = devicePixels(image, rect) & image.rect();
    if (r.isEmpty()) return;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32) {
        QPainter(&image).fillRect(rect, Qt::white);
        return;
    }
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::memset(image.scanLine(y) + r.x() * 4, 0xFF, size_t(r.width()) * 4);
}

} // namespace

ScrollTextBox::ScrollTextBox(int lineMode) : TextBox(lineMode) {
    PaintLock = 0;
}

void ScrollTextBox::takeText(const QString& text, bool own) {
    StepCount = 0;
    StartChar = -1;
    TextBox::takeText(text, own);
}

void ScrollTextBox::set(const QString& text) {
    StepCount = 0;
    StartChar = -1;
    TextBox::set(text);
}

bool ScrollTextBox::NewSize() {
    const bool tooWide = TextBox::NewSize();
    if (!tooWide) {
        StepCount = 0;
        // A re-wrapped own text may have moved the top back to its line's start.
        StartChar = Display.topleftcharno;
    }
    return tooWide;
}

void ScrollTextBox::TextAllRedraw(QPainter* dc, int how) {
    StepCount = 0;
    TextBox::TextAllRedraw(dc, how);
}

void ScrollTextBox::smoothness(int stepsPerLine) {
    StepCount = 0;
    StepsPerLine = stepsPerLine;
    TextAllRedraw(nullptr, 0);
}

void ScrollTextBox::SetTopLeftCharNo(int cn) {
    Display.set_top_left(cn);
    StartChar = cn;
}

int ScrollTextBox::FindNewStartChar(int pos, int k) const {
    int at = pos;
    for (int j = 0; j < k; ++j) {
        at = static_cast<int>(DisplayText.indexOf('\n', at + 1));
        if (at < 0) return static_cast<int>(DisplayText.size());
    }
    return at;
}

bool ScrollTextBox::ScrollLine(int direction) {
    // The text only ever moves up.
    if (direction != -1 || !win) return false;
    ++StepCount;
    const int s = std::max(1, StepsPerLine);
    const int k = StepCount % s;
    QImage& image = win->canvas();
    const QRect rect = scrollRectangle(logicalSize(image), Offset, Margin);
    if (k == 0) {
        const int next = FindNewStartChar(StartChar, 1);
        if (next >= DisplayText.size()) {
            win->FinishedScrolling();
            return false;
        }
        SetTopLeftCharNo(next);
    }
    const int d = scrollPixelStep(LineHeight, s, k);
    scrollImageUp(image, rect, d);
    if (k != 0) {
        // The strip uncovered at the bottom.
        const QSize client = logicalSize(image);
        const int bottom = client.height() - Offset - 1;
        fillWhite(image, QRect(QPoint(Offset + 1, bottom - d),
                               QPoint(client.width() - Offset - 2, bottom - 1)));
    } else {
        // The new bottom line, drawn before the page is shown so one repaint does.
        QPainter p(&image);
        TextAllRedraw(&p, 2);
    }
    PaintLock = 1;
    win->present(rect);
    PaintLock = 0;
    return StepCount % s != 0;
}
