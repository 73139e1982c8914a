#include "platform/art.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Pixels that differ noticeably between two equally sized images (or from transparent).
int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.isNull() ? 0 : b.pixel(x, y);
            count += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                         std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q)) >
                     48;
        }
    return count;
}

} // namespace

TEST(Artwork, EveryPictureDrawsAndFillsItsBoxWhenStretched) {
    const QStringList names = QDir(":/art").entryList({"*.svg"});
    ASSERT_FALSE(names.isEmpty());
    for (const QString& file : names) {
        const QString name = file.chopped(4);
        SCOPED_TRACE(name.toStdString());
        const QSize size = Art::naturalSize(name);
        const QImage img = Art::image(name, size);
        ASSERT_FALSE(img.isNull());
        // Icons leave their corners clear; pictures cover most of their box.
        const bool icon = size == QSize(32, 32);
        EXPECT_GT(double(differingPixels(img, {})) / (size.width() * size.height()),
                  icon ? 0.15 : 0.5);
        if (icon || name == "LEVEL") continue;
        // Dialogs stretch pictures into other proportions; the background must reach every edge.
        const QImage stretched = Art::image(name, QSize(400, 120));
        for (const int x : {0, 200, 399})
            for (const int y : {0, 119})
                EXPECT_EQ(qAlpha(stretched.pixel(x, y)), 255) << x << "," << y;
        EXPECT_EQ(qAlpha(stretched.pixel(0, 60)) & qAlpha(stretched.pixel(399, 60)), 255);
    }
}

TEST(Artwork, LevelGaugesFillUpOneStepAtATimeAndTheModesDiffer) {
    // Eighteen 32-pixel gauges: positions 0 to 8 of the basic mode, then of the advanced one.
    constexpr int kCell = 32 * 4; // rendered enlarged, so one segment is many pixels
    const QImage strip = Art::image("LEVEL", QSize(18 * kCell, kCell));
    const auto cell = [&](int k) { return strip.copy(k * kCell, 0, kCell, kCell); };
    for (int mode = 0; mode < 2; ++mode) {
        SCOPED_TRACE(mode == 0 ? "basic" : "advanced");
        int previous = 0;
        for (int pos = 1; pos <= 8; ++pos) {
            // Each step lights one more segment, so it strays further from the empty gauge.
            const int changed = differingPixels(cell(mode * 9), cell(mode * 9 + pos));
            EXPECT_GT(changed, previous) << "position " << pos;
            previous = changed;
        }
    }
    // The same position in the two modes must not be confused: the colour scheme differs.
    for (int pos = 0; pos <= 8; ++pos)
        EXPECT_GT(differingPixels(cell(pos), cell(9 + pos)), kCell * kCell / 4) << pos;
}
