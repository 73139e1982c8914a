#pragma once

#include <QRect>
#include <QStringView>

#include <vector>

// Where the grey shadows of one exercise line go: one rounded bar per word
// group and light gaps between the words inside a group, in a band from 28 %
// to 88 % of the text height, so the top and bottom of the line stay blank.
namespace Shadows {

// Offsets from the top of a line: the band's top and height and the size of
// the bars' corner ellipse. 25 px text gives 6, 15, 9; 20 px gives 5, 12, 7.
struct Band {
    int top;
    int height;
    int corner;
};
Band band(int textHeight);

struct Line {
    std::vector<QRect> bars; // pixels each rounded bar covers
    std::vector<QRect> gaps; // pixels of the light gaps, drawn over the bars
    int corner = 0;
};

// The shadows of a line whose text starts at (x, y), cut by the division of
// the exercise (division, average line length). offsets[i] is the distance of
// character i from the start of the line as the line is drawn, with one more
// entry for the end; textHeight the height of the text.
Line layout(QStringView line, int x, int y, int division, int average,
            const std::vector<int>& offsets, int textHeight);

} // namespace Shadows
