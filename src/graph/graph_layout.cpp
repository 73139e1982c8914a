#include "graph/graph_layout.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kBarPitch = 30;
constexpr int kBarLeft = 3;   // from the bar's slot
constexpr int kBarRight = 27; // exclusive
constexpr double kLowestValueStart = 1000000.0;
// The comprehension scale: axis and ticks inside the band, labels right of the ticks.
constexpr int kScaleAxisInset = 4;
constexpr int kTickLength = 4;
constexpr int kScaleLabelGap = 3;
constexpr int kScaleLabelRise = 6; // half the label height, so it is centred on its tick
// The legend runs along the top edge.
constexpr int kLegendTop = 3;
constexpr int kLegendLeft = 6;
constexpr int kSwatchSize = 10;
constexpr int kSwatchGap = 4;
constexpr int kLegendItemGap = 14;

// Truncates toward zero as the plot's arithmetic does, but lets a result that is an integer
// up to rounding error count as that integer, so the tallest bar really ends at m - 2.
int toPixel(double v) {
    const double nearest = std::round(v);
    if (std::abs(v - nearest) < 1e-6) v = nearest;
    // Anything beyond this is far outside any window; keeps the int conversion defined.
    v = std::clamp(v, -1e7, 1e7);
    return int(std::trunc(v));
}

} // namespace

GraphStyle graphStyle(const QString& keyName) {
    GraphStyle s;
    if (keyName == QLatin1String("DrillCurrentScores")) {
        s.caption = QStringLiteral("Drill Level Changes");
        s.yLabel1 = QStringLiteral("Level");
        s.yLabel2 = QStringLiteral("(letters)");
        s.xLabel = QStringLiteral("Time (level changes)");
        s.barColour = QColor(0, 255, 0);
        s.helpTopic = 42;
    } else if (keyName == QLatin1String("DrillScores")) {
        s.caption = QStringLiteral("Drill Level History (past performance)");
        s.yLabel1 = QStringLiteral("Level");
        s.yLabel2 = QStringLiteral("(letters)");
        s.xLabel = QStringLiteral("Usage of SkimSprinter");
        s.barColour = QColor(255, 0, 0);
        s.helpTopic = 43;
    } else if (keyName == QLatin1String("SpeedTestScores")) {
        s.caption = QStringLiteral("Speed Test Results");
        s.yLabel1 = QStringLiteral("Words");
        s.yLabel2 = QStringLiteral("Per");
        s.yLabel3 = QStringLiteral("Minute");
        s.xLabel = QStringLiteral("Speed Test Number");
        s.barColour = QColor(0, 0, 255);
        s.helpTopic = 44;
    }
    return s;
}

int graphWidth(int count) {
    count = std::clamp(count, 0, kMaxGraphValues);
    return std::max(350, std::min(600, kBarPitch * count + 120));
}

int graphScrollSteps(int count) {
    return 2 * std::clamp(count, 0, kMaxGraphValues) + 4;
}

ValueRange valueRange(const std::vector<float>& values) {
    ValueRange r;
    r.minValue = kLowestValueStart;
    r.maxValue = 0.0;
    for (float v : values) {
        r.maxValue = std::max(r.maxValue, double(v));
        r.minValue = std::min(r.minValue, double(v));
    }
    if (!values.empty() && r.maxValue == r.minValue) {
        r.maxValue *= 1.5;
        r.minValue *= 0.75;
    }
    return r;
}

bool hasComprehensionPoints(const std::vector<ComprehensionEntry>& entries) {
    return std::any_of(entries.begin(), entries.end(),
                       [](const ComprehensionEntry& e) { return e.percent >= 0; });
}

QString legendText(LegendKind kind) {
    switch (kind) {
    case LegendKind::Speed:
        return QStringLiteral("Speed (wpm)");
    case LegendKind::Comprehension:
        return QStringLiteral("Comprehension (%)");
    case LegendKind::Practice:
        return QStringLiteral("Practice reading");
    }
    return {};
}

PlotMetrics plotMetrics(int count, QSize client, const ValueRange& range, bool scaleBand) {
    PlotMetrics m;
    const int plotClient =
        scaleBand ? std::max(1, client.width() - kScaleBandWidth) : client.width();
    m.plotWidth = kBarPitch * std::clamp(count, 0, kMaxGraphValues) + 120;
    m.plotHeight = client.height();
    m.margin = int(std::max(0.1 * plotClient, 30.0));
    m.scaleX = scaleBand ? plotClient : 0;
    // The smallest bar keeps about a quarter of the plot height.
    m.bottomValue = range.minValue - 0.33 * (range.maxValue - range.minValue);
    m.topValue = range.maxValue;
    return m;
}

namespace {

// The second series, its scale and the legend, added to the bars already laid out.
void layoutComprehension(GraphLayout& out, const std::vector<ComprehensionEntry>& entries,
                         const PlotMetrics& metrics, const LegendWidths& widths) {
    const int m = metrics.margin;
    const int axisY = metrics.plotHeight - m;
    const double usable = metrics.plotHeight - 2 * m;
    const auto percentY = [&](int percent) { return toPixel(axisY - percent * usable / 100.0); };

    bool practice = false;
    for (size_t i = 0; i < out.bars.size() && i < entries.size(); ++i) {
        GraphBar& bar = out.bars[i];
        bar.practice = entries[i].practice;
        practice = practice || bar.practice;
        if (entries[i].percent >= 0)
            out.points.emplace_back(bar.rect.center().x(), percentY(entries[i].percent));
    }

    if (metrics.scaleX > 0) {
        out.scaleBand = QRect(metrics.scaleX, 0, kScaleBandWidth, metrics.plotHeight);
        const int x = metrics.scaleX + kScaleAxisInset;
        out.scaleAxis = QLine(x, m - 15, x, axisY);
        for (int percent = 0; percent <= 100; percent += 25) {
            const int y = percentY(percent);
            out.scaleTicks.push_back({QLine(x, y, x + kTickLength, y),
                                      QPoint(x + kTickLength + kScaleLabelGap, y - kScaleLabelRise),
                                      QStringLiteral("%1%").arg(percent)});
        }
    }

    if (out.points.empty() && !practice) return;
    int x = kLegendLeft;
    const auto add = [&](LegendKind kind, int textWidth) {
        out.legend.push_back({kind, QRect(x, kLegendTop, kSwatchSize, kSwatchSize),
                              QPoint(x + kSwatchSize + kSwatchGap, kLegendTop - 1),
                              legendText(kind)});
        x += kSwatchSize + kSwatchGap + textWidth + kLegendItemGap;
    };
    add(LegendKind::Speed, widths.speed);
    if (!out.points.empty()) add(LegendKind::Comprehension, widths.comprehension);
    if (practice) add(LegendKind::Practice, widths.practice);
}

} // namespace

GraphLayout layoutGraph(const std::vector<float>& values, const PlotMetrics& metrics, int scrollX,
                        const std::vector<ComprehensionEntry>& comprehension,
                        const LegendWidths& legendWidths) {
    const int m = metrics.margin;
    const int H = metrics.plotHeight;
    const int P = metrics.plotWidth;
    const QPoint shift(-scrollX, 0);

    GraphLayout out;
    out.axes << QPoint(3 * m, m - 15) + shift << QPoint(3 * m, H - m) + shift
             << QPoint(P - m + 15, H - m) + shift;
    out.yLabelPos = {QPoint(m / 2, H / 3) + shift, QPoint(m / 2, H / 3 + 16) + shift,
                     QPoint(m / 2, H / 3 + 32) + shift};
    out.xLabelPos = QPoint(P / 3, H - m / 2) + shift;

    // All values zero leaves no span: the bars then stay at the axis.
    const double span = metrics.topValue - metrics.bottomValue;
    const bool scaled = span > 0.0 && std::isfinite(span);
    const double usable = H - 2 * m;
    const int axisY = H - m;
    const int count = std::min<int>(int(values.size()), kMaxGraphValues);
    out.bars.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double v = values[i];
        const double fraction =
            scaled ? std::clamp((v - metrics.bottomValue) / span, 0.0, 1.0) : 0.0;
        const double top = (H - m - 2) - fraction * usable;
        const int x = kBarPitch * i + 3 * m + 2 - scrollX;
        const int barTop = toPixel(top);

        GraphBar bar;
        bar.rect = QRect(QPoint(x + kBarLeft, std::min(barTop, axisY)),
                         QPoint(x + kBarRight - 1, std::max(barTop, axisY) - 1));
        bar.number = QString::number(i + 1);
        bar.numberPos = QPoint(x + 3, axisY + 2);
        bar.value = QString::asprintf("%4.0f", v);
        bar.valuePos = QPoint(x, toPixel(top - 16));
        out.bars.push_back(std::move(bar));
    }
    if (!comprehension.empty()) layoutComprehension(out, comprehension, metrics, legendWidths);
    return out;
}
