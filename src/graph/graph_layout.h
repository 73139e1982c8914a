#pragma once

#include <QColor>
#include <QLine>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <vector>

// What each of the three graphs shows: chosen by the key name the graph was built for.
struct GraphStyle {
    QString caption;
    QString yLabel1, yLabel2, yLabel3;
    QString xLabel;
    QColor barColour = Qt::black;
    int helpTopic = 0;
};

// The style of "DrillCurrentScores", "DrillScores" or "SpeedTestScores"; an unknown key gets
// no labels, no caption and no help.
GraphStyle graphStyle(const QString& keyName);

// Most values one graph keeps.
constexpr int kMaxGraphValues = 400;
constexpr int kGraphHeight = 400;
// Horizontal scroll unit in pixels.
constexpr int kGraphScrollStep = 16;

// Width of the drawing window for n values: 350 to 600 pixels.
int graphWidth(int count);
// Scroll range in steps for n values.
int graphScrollSteps(int count);

// The values' span: the largest (never below 0) and smallest (never above 1000000), widened
// when they are equal so that the bars still have a height.
struct ValueRange {
    double minValue = 1000000.0;
    double maxValue = 0.0;
};
ValueRange valueRange(const std::vector<float>& values);

// The speed-test graph's second series: each test's comprehension beside its speed.
struct ComprehensionEntry {
    int percent = -1;      // 0..100, -1 for none
    bool practice = false; // the speed of a timed practice reading, not of a test
};
// Width of the band on the right that holds the comprehension scale.
constexpr int kScaleBandWidth = 40;

// True when some entry has a point to draw: only then the scale and the band are shown.
bool hasComprehensionPoints(const std::vector<ComprehensionEntry>& entries);

// Fixed at the first paint after the values change.
struct PlotMetrics {
    int plotWidth = 0;
    int plotHeight = 0;
    int margin = 0;
    double bottomValue = 0.0; // the value at the axis
    double topValue = 0.0;    // the value whose bar reaches the top
    int scaleX = 0;           // left edge of the comprehension scale band; 0 without one
};
// With a scale band, the band takes the right edge of the client and the bars are laid out in
// the rest exactly as they are without one.
PlotMetrics plotMetrics(int count, QSize client, const ValueRange& range, bool scaleBand = false);

struct GraphBar {
    QRect rect; // the bar, from its top down to the axis
    QPoint numberPos;
    QString number;
    QPoint valuePos;
    QString value;
    bool practice = false;
};

// A tick of the comprehension scale with its label ("50%"), placed by the label's top-left.
struct ScaleTick {
    QLine tick;
    QPoint labelPos;
    QString label;
};

enum class LegendKind { Speed, Comprehension, Practice };
struct LegendItem {
    LegendKind kind;
    QRect swatch;
    QPoint textPos;
    QString text;
};
// Widths of the legend's texts in the font they are drawn with.
struct LegendWidths {
    int speed = 0, comprehension = 0, practice = 0;
};
QString legendText(LegendKind kind);

// Everything the paint draws, in window coordinates. Text positions are the top-left
// corner of the text.
struct GraphLayout {
    QPolygon axes; // top of the y axis, the origin, the end of the x axis
    std::array<QPoint, 3> yLabelPos;
    QPoint xLabelPos;
    std::vector<GraphBar> bars;

    // The second series, when there is one: a point per entry with a per cent, joined in
    // order; the scale band, fixed at the right while the bars scroll beneath it; the legend,
    // fixed at the top left.
    std::vector<QPoint> points;
    QRect scaleBand;
    QLine scaleAxis;
    std::vector<ScaleTick> scaleTicks;
    std::vector<LegendItem> legend;
};

// scrollX: how far the window is scrolled to the right, in pixels. Entries beyond the values
// belong to no bar and are left out; without entries the graph is the plain bar chart.
GraphLayout layoutGraph(const std::vector<float>& values, const PlotMetrics& metrics, int scrollX,
                        const std::vector<ComprehensionEntry>& comprehension = {},
                        const LegendWidths& legendWidths = {});
