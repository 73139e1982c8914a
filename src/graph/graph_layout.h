#pragma once

#include <QColor>
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

// Fixed at the first paint after the values change.
struct PlotMetrics {
    int plotWidth = 0;
    int plotHeight = 0;
    int margin = 0;
    double bottomValue = 0.0; // the value at the axis
    double topValue = 0.0;    // the value whose bar reaches the top
};
PlotMetrics plotMetrics(int count, QSize client, const ValueRange& range);

struct GraphBar {
    QRect rect; // the bar, from its top down to the axis
    QPoint numberPos;
    QString number;
    QPoint valuePos;
    QString value;
};

// Everything the paint draws, in window coordinates. Text positions are the top-left
// corner of the text.
struct GraphLayout {
    QPolygon axes; // top of the y axis, the origin, the end of the x axis
    std::array<QPoint, 3> yLabelPos;
    QPoint xLabelPos;
    std::vector<GraphBar> bars;
};

// scrollX: how far the window is scrolled to the right, in pixels.
GraphLayout layoutGraph(const std::vector<float>& values, const PlotMetrics& metrics, int scrollX);
