#include "drill/flash_layout.h"

#include <QSize>

#include <algorithm>

namespace FlashLayout {

int varietyLength(int level, int rand15) {
    // Single precision throughout, as the level's chances are defined by it.
    const float r = float(rand15 * 1.0 * (1.0 / 32767));
    float s = 0.0f;
    const int square = level * level;
    for (int i = 0; i < level; ++i) {
        if (s >= r)
            return i + 1;
        s += float(2 * i) / float(square);
    }
    return level;
}

bool flip(float p, int rand15) { return float(rand15 * 1.0 * (1.0 / 32767)) < p; }

CrossHairs crossHairs(int w, int h, bool second) {
    CrossHairs c;
    c.penWidth = w / 140 + 1;
    c.colour = second ? QColor(255, 0, 0) : QColor(0, 0, 255);
    const double f = second ? double(1.4f) : 1.0;
    const double len = 0.05 * std::min(w, h) * f;
    const int midX = int(w * 0.5);
    const int midY = int(h * 0.5);
    c.lines = {QLine(0, midY, int(len), midY), QLine(midX, h, midX, int(h - len)),
               QLine(w, midY, int(w - len), midY), QLine(midX, 0, midX, int(len))};
    return c;
}

int flashHeight(int textHeight, int nextTargetNo, int lineCharWidth) {
    return int(textHeight * 1.0 * (nextTargetNo / std::max(1, lineCharWidth) + 3));
}

int flashWidth(int pageWidth, int minWidth) {
    return std::max(int(pageWidth * 1.6666666666666667), minWidth);
}

int fittedFontHeight(int availableHeight, int nextTargetNo, int lineCharWidth) {
    return int(availableHeight * 1.0 / (nextTargetNo / std::max(1, lineCharWidth) + 3));
}

int tenthStep(int value) { return int(std::max(value * 0.1, 1.0)); }

Lines breakLines(const QString& text, int lineCharWidth, int limit,
                 const std::function<QSize(const QString&)>& measure) {
    Lines result;
    QString buffer;
    int lastSpace = 0;
    int widthAtSpace = 0;
    const int n = int(text.size());
    for (int i = 0; i < n; ++i) {
        buffer.append(text[i]);
        const QSize extent = measure(buffer);
        const int x = extent.width();
        result.lineHeight = extent.height();
        const bool isSpace = text[i] == QLatin1Char(' ');
        const bool last = i == n - 1;
        if ((x >= limit && isSpace) || last) {
            if (x > 1.2 * limit && i - lastSpace < lineCharWidth && lastSpace > 0 &&
                (result.breaks.empty() || lastSpace > result.breaks.back())) {
                // Ran well past the limit inside a short word: break at the last space.
                result.breaks.push_back(lastSpace);
                buffer = text.mid(lastSpace + 1, i - lastSpace);
                result.maxLineWidth = std::max(result.maxLineWidth, widthAtSpace);
                if (last) {
                    result.breaks.push_back(i);
                    result.maxLineWidth = std::max(result.maxLineWidth, measure(buffer).width());
                }
            } else {
                result.breaks.push_back(i);
                result.maxLineWidth = std::max(result.maxLineWidth, x);
                buffer.clear();
            }
        }
        if (isSpace) {
            lastSpace = i;
            widthAtSpace = x;
        }
    }
    return result;
}

int textLeft(int outerWidth, int maxLineWidth) { return int(0.5 * outerWidth - maxLineWidth / 2); }

} // namespace FlashLayout
