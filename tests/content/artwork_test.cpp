#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

namespace {

struct ArtSize {
    const char* name;
    int width;
    int height;
};

// Every picture the windows ask for, with the view box they lay it out by.
const std::vector<ArtSize>& allArt() {
    static const std::vector<ArtSize> art = {
        {"TITLE", 800, 195},   {"LEVEL", 576, 32}, {"UP_1", 300, 250},  {"UP_2", 300, 286},
        {"DO_1", 300, 131},    {"DO_2", 300, 256}, {"GROUP", 272, 187}, {"APPLICATION", 32, 32},
        {"SMALL", 32, 32},     {"ICON_4", 32, 32}, {"BRAIN", 32, 32},   {"PENCIL", 32, 32},
        {"POINTER", 32, 32},   {"CHECK", 32, 32},  {"BALL", 32, 32},    {"CHART", 32, 32},
        {"BOOK_DISK", 32, 32}, {"SPRINT", 32, 32}, {"GRAPH", 32, 32},   {"ICON_8", 32, 32},
        {"ICON_9", 32, 32},
    };
    return art;
}

QString artPath(const char* name) {
    return QStringLiteral(":/art/%1.svg").arg(QLatin1String(name));
}

QImage render(const char* name, QSize size) {
    QSvgRenderer renderer(artPath(name));
    QImage img(size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter painter(&img);
    renderer.render(&painter);
    painter.end();
    return img;
}

constexpr int kCell = 32;
constexpr int kCells = 18;
constexpr int kScale = 4; // the gauge is rendered enlarged so one segment is many pixels

QImage levelCell(const QImage& strip, int k) {
    return strip.copy(k * kCell * kScale, 0, kCell * kScale, kCell * kScale);
}

// Pixels whose colour differs noticeably between two equally sized images.
int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor ca = a.pixelColor(x, y), cb = b.pixelColor(x, y);
            const int d = std::abs(ca.red() - cb.red()) + std::abs(ca.green() - cb.green()) +
                          std::abs(ca.blue() - cb.blue()) + std::abs(ca.alpha() - cb.alpha());
            if (d > 48) ++count;
        }
    return count;
}

int opaquePixels(const QImage& img) {
    int count = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y).alpha() > 128) ++count;
    return count;
}

} // namespace

TEST(Artwork, EveryPictureLoadsWithItsViewBox) {
    for (const ArtSize& art : allArt()) {
        SCOPED_TRACE(art.name);
        QSvgRenderer renderer(artPath(art.name));
        ASSERT_TRUE(renderer.isValid());
        EXPECT_EQ(renderer.viewBox().size(), QSize(art.width, art.height));
        EXPECT_EQ(renderer.defaultSize(), QSize(art.width, art.height));
    }
}

TEST(Artwork, EveryPictureDrawsSomethingVisible) {
    for (const ArtSize& art : allArt()) {
        SCOPED_TRACE(art.name);
        const QImage img = render(art.name, QSize(art.width, art.height));
        // Icons leave their corners clear; pictures cover most of their box.
        const double covered = double(opaquePixels(img)) / (art.width * art.height);
        EXPECT_GT(covered, art.width == 32 ? 0.15 : 0.5);
    }
}

TEST(Artwork, PicturesFillTheirBoxWhenStretched) {
    // Dialogs stretch these into other proportions; the background must reach every edge.
    for (const char* name : {"TITLE", "UP_1", "UP_2", "DO_1", "DO_2", "GROUP"}) {
        SCOPED_TRACE(name);
        const QImage img = render(name, QSize(400, 120));
        for (const QPoint p : {QPoint(0, 0), QPoint(399, 0), QPoint(0, 119), QPoint(399, 119),
                               QPoint(200, 0), QPoint(200, 119), QPoint(0, 60), QPoint(399, 60)})
            EXPECT_EQ(img.pixelColor(p).alpha(), 255) << p.x() << "," << p.y();
    }
}

TEST(Artwork, TitleUsesTwoColours) {
    const QImage img = render("TITLE", QSize(800, 195));
    std::map<QRgb, int> counts;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ++counts[img.pixel(x, y)];
    std::vector<std::pair<int, QRgb>> byCount;
    for (const auto& [rgb, n] : counts)
        byCount.emplace_back(n, rgb);
    std::sort(byCount.rbegin(), byCount.rend());
    ASSERT_GE(byCount.size(), 2u);
    const QColor a = QColor::fromRgba(byCount[0].second), b = QColor::fromRgba(byCount[1].second);
    EXPECT_EQ(a.alpha(), 255);
    EXPECT_EQ(b.alpha(), 255);
    // The two colours must be far apart to read as a title at all.
    const double ab[3] = {double(b.red() - a.red()), double(b.green() - a.green()),
                          double(b.blue() - a.blue())};
    const double len2 = ab[0] * ab[0] + ab[1] * ab[1] + ab[2] * ab[2];
    ASSERT_GT(len2, 100.0 * 100.0);

    // Everything else is an edge blend of those two: it lies on the line between them.
    int strays = 0;
    for (const auto& [rgb, n] : counts) {
        const QColor c = QColor::fromRgba(rgb);
        const double ac[3] = {double(c.red() - a.red()), double(c.green() - a.green()),
                              double(c.blue() - a.blue())};
        double t = (ac[0] * ab[0] + ac[1] * ab[1] + ac[2] * ab[2]) / len2;
        t = std::clamp(t, 0.0, 1.0);
        double dist2 = 0;
        for (int i = 0; i < 3; ++i)
            dist2 += std::pow(ac[i] - t * ab[i], 2);
        if (dist2 > 12.0 * 12.0 || c.alpha() != 255) strays += n;
    }
    EXPECT_EQ(strays, 0);
}

TEST(Artwork, LevelStripHoldsEighteenDistinctGauges) {
    const QImage strip = render("LEVEL", QSize(576 * kScale, 32 * kScale));
    std::vector<QImage> cells;
    for (int k = 0; k < kCells; ++k)
        cells.push_back(levelCell(strip, k));

    for (int k = 0; k < kCells; ++k) {
        SCOPED_TRACE(k);
        // A gauge fills most of its cell and does not spill into its neighbours.
        EXPECT_GT(opaquePixels(cells[k]), kCell * kCell * kScale * kScale / 2);
        for (int y = 0; y < kCell * kScale; y += 4) {
            EXPECT_LT(cells[k].pixelColor(0, y).alpha(), 200);
            EXPECT_LT(cells[k].pixelColor(kCell * kScale - 1, y).alpha(), 200);
        }
    }
    // Each position must be told apart from every other, not just from its neighbours.
    for (int i = 0; i < kCells; ++i)
        for (int j = i + 1; j < kCells; ++j)
            EXPECT_GT(differingPixels(cells[i], cells[j]), 100) << "cells " << i << " and " << j;
}

TEST(Artwork, LevelGaugesFillUpAndModesLookDifferent) {
    const QImage strip = render("LEVEL", QSize(576 * kScale, 32 * kScale));
    for (int mode = 0; mode < 2; ++mode) {
        SCOPED_TRACE(mode == 0 ? "basic" : "advanced");
        const QImage empty = levelCell(strip, mode * 9);
        int previous = 0;
        for (int pos = 1; pos <= 8; ++pos) {
            // Each step lights one more segment, so it strays further from the empty gauge.
            const int changed = differingPixels(empty, levelCell(strip, mode * 9 + pos));
            EXPECT_GT(changed, previous) << "position " << pos;
            previous = changed;
        }
    }
    // The same position in the two modes must not be confused: the colour scheme differs.
    for (int pos = 0; pos <= 8; ++pos)
        EXPECT_GT(differingPixels(levelCell(strip, pos), levelCell(strip, 9 + pos)),
                  32 * 32 * kScale * kScale / 4)
            << "position " << pos;
}
