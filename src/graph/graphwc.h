#pragma once

#include "graph/graph_layout.h"
#include "platform/commands.h"

#include <QAbstractScrollArea>

class QPainter;
class QPushButton;

// The drawing window of a graph: one bar per value, numbered from 1 and labelled with its
// value, scrolled sideways when the bars do not fit. The speed tests' graph also shows the
// comprehension of each test against a scale on the right, when the user has any.
class GraphWC : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Values from the current user's list under keyName; says so over messageParent when
    // the list holds none.
    GraphWC(const QString& keyName, QWidget* messageParent);
    // Values handed in: the levels of the current drills ("DrillCurrentScores").
    GraphWC(const int* values, int count);

    void SetupWindow();
    void DrillPrefs();
    void DrillHistoryPrefs();
    void SpeedTestPrefs();

    void Populate(const int* values, int count);
    void Init(int count);
    void Quit();
    void CMHelp();

    QString graphName() const { return graphName_; }
    const GraphStyle& style() const { return style_; }
    const std::vector<float>& values() const { return values_; }
    ValueRange range() const { return range_; }
    // False when a stored list held no value: there is nothing to draw.
    bool laidOut() const { return laidOut_; }
    // The client size wanted for the last population.
    QSize wantedSize() const { return wanted_; }
    // The metrics the next paint uses, and what it draws.
    PlotMetrics metrics() const;
    GraphLayout currentLayout() const;

    // Draws a layout; the window's paint and the tests use it.
    static void Draw(QPainter& p, const GraphLayout& layout, const GraphStyle& style);
    // The second series, its scale and the legend, over the bars.
    static void DrawComprehension(QPainter& p, const GraphLayout& layout, const GraphStyle& style);

    CommandTable commands;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    explicit GraphWC(const QString& keyName);
    void setValues(std::vector<float> values);
    void applyStyle(const GraphStyle& style);

    QString graphName_;
    GraphStyle style_;
    std::vector<float> values_;
    std::vector<ComprehensionEntry> comprehension_;
    ValueRange range_;
    bool laidOut_ = false;
    bool firstPaint_ = true;
    PlotMetrics metrics_;
    QSize wanted_;
};
