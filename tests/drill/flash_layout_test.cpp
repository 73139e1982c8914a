#include "drill/flash_layout.h"

#include <QSize>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using namespace FlashLayout;

namespace {
// Every character 10 pixels wide, lines 12 high.
QSize monospace(const QString& s) { return QSize(10 * int(s.size()), 12); }
} // namespace

TEST(FlashLayout, LineBreaks) {
    const std::tuple<const char*, int, std::vector<int>, int> cases[] = {
        // The first space at or past the 100 px limit ends a line.
        {"aaaa bbbbbb cc dd", 20, {11, 16}, 120},
        // Past 1.2 times the limit with a short last word: back to the space before.
        {"aaaaaaaa bbbbbbb c", 20, {8, 17}, 90},
        // A word longer than the page ends at the next space, or at the end.
        {"abcdefghijklmnopqrstuvwxyz ok", 10, {26, 28}, 270},
        // The final word after a backward break still shows, on a line of its own.
        {"aaaa bbbbbbbbb", 20, {4, 13}, 90},
        {"", 20, {}, 0},
    };
    for (const auto& [text, page, breaks, maxWidth] : cases) {
        const Lines lines = breakLines(text, page, 100, monospace);
        EXPECT_EQ(lines.breaks, breaks) << text;
        if (!breaks.empty()) {
            EXPECT_EQ(lines.maxLineWidth, maxWidth) << text;
        }
    }
}
