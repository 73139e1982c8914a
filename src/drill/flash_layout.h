#pragma once

#include <QColor>
#include <QLine>
#include <QSize>
#include <QString>

#include <array>
#include <functional>
#include <vector>

// Pure computations of the flash drill: lengths, cross-hairs, line breaks and
// sizes. The window code only draws what these return.
namespace FlashLayout {

// Length of the next flash for level L with Variety on, given rand() (0..32767).
int varietyLength(int level, int rand15);

// flip(p): true when rand() / 32767 < p.
bool flip(float p, int rand15);

struct CrossHairs {
    int penWidth;
    QColor colour;
    std::array<QLine, 4> lines; // left, bottom, right, top
};
// The four marks pointing from the middle of each edge towards the centre.
CrossHairs crossHairs(int width, int height, bool second);

// Flash area height for a text height: one line per full page width plus three.
int flashHeight(int textHeight, int nextTargetNo, int lineCharWidth);
// Flash area width for a measured page width: 5/3 of it, at least minWidth.
int flashWidth(int pageWidth, int minWidth);
// Font height fitted to an available height after the user resized the window.
int fittedFontHeight(int availableHeight, int nextTargetNo, int lineCharWidth);
// Step of the font and page-width commands: a tenth, at least 1.
int tenthStep(int value);

struct Lines {
    std::vector<int> breaks; // index of each line's last character
    int maxLineWidth = 0;
    int lineHeight = 0;
};
// Breaks text into lines at the first space where a line reaches `limit` pixels;
// a line that ran more than 20 % past the limit inside a short word breaks at the
// previous space instead. measure(text) gives the width and height of a text.
Lines breakLines(const QString& text, int lineCharWidth, int limit,
                 const std::function<QSize(const QString&)>& measure);

// Left edge of the block of lines, centred on the widest line.
int textLeft(int outerWidth, int maxLineWidth);

} // namespace FlashLayout
