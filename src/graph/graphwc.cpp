#include "graph/graphwc.h"

#include "graph/graphc.h"
#include "graph/stored_results.h"
#include "platform/help.h"
#include "platform/message_box.h"
#include "shell/globals.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeySequence>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QWheelEvent>

namespace {

const QColor kAxisColour(255, 0, 0);
const QColor kOutlineColour(0, 128, 128);
// The second series stands out from the blue bars; practice readings are pale.
const QColor kComprehensionColour(230, 120, 0);
const QColor kPracticeColour(170, 200, 255);
constexpr int kPointRadius = 4;

QFont graphFont(int pixelHeight) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixelHeight);
    f.setWeight(QFont::Bold);
    return f;
}

// The legend's texts in the font they are drawn with: fixed, so measured once.
const LegendWidths& legendWidths() {
    static const LegendWidths widths = [] {
        const QFontMetrics fm(graphFont(9));
        return LegendWidths{fm.horizontalAdvance(legendText(LegendKind::Speed)),
                            fm.horizontalAdvance(legendText(LegendKind::Comprehension)),
                            fm.horizontalAdvance(legendText(LegendKind::Practice))};
    }();
    return widths;
}

// Text placed by its top-left corner.
void textAt(QPainter& p, QPoint topLeft, const QString& text) {
    if (text.isEmpty()) return;
    p.drawText(topLeft.x(), topLeft.y() + QFontMetrics(p.font()).ascent(), text);
}

} // namespace

GraphWC::GraphWC(const QString& keyName) : QAbstractScrollArea(nullptr), graphName_(keyName) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    QPalette pal = viewport()->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(pal);
    viewport()->setAutoFillBackground(true);
    horizontalScrollBar()->setSingleStep(1);

    // The buttons are all but invisible; Enter, Escape and F1 reach them from the keyboard.
    struct ButtonSpec {
        const char* text;
        int id;
        int y;
    };
    for (const ButtonSpec& def : {ButtonSpec{"Ok", 2, 20}, ButtonSpec{"Help", 9, 60}}) {
        auto* b = new QPushButton(QString::fromLatin1(def.text), viewport());
        b->setGeometry(20, def.y, 1, 5);
        b->setProperty("controlId", def.id);
        b->setDefault(def.id == 2);
        b->setFocusPolicy(Qt::NoFocus);
        const int id = def.id;
        connect(b, &QPushButton::clicked, this, [this, id] { commands.dispatch(id); });
    }
    commands.add(2, [this] { Quit(); });
    commands.add(9, [this] { CMHelp(); });
    const std::pair<QKeySequence, int> keys[] = {{QKeySequence(Qt::Key_Return), 2},
                                                 {QKeySequence(Qt::Key_Enter), 2},
                                                 {QKeySequence(Qt::Key_Escape), 2},
                                                 {QKeySequence(Qt::Key_F1), 9}};
    for (const auto& [key, id] : keys) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        const int command = id;
        connect(shortcut, &QShortcut::activated, this,
                [this, command] { commands.dispatch(command); });
    }
    wanted_ = QSize(graphWidth(0), kGraphHeight);
}

GraphWC::GraphWC(const QString& keyName, QWidget* messageParent) : GraphWC(keyName) {
    std::vector<float> values = storedValues(keyName.toLatin1().constData());
    if (values.empty()) {
        MessageBox(messageParent, QStringLiteral("There are no recorded items for this graph"),
                   QString(), MB_OK);
        return;
    }
    if (keyName == QLatin1String("SpeedTestScores"))
        comprehension_ = storedComprehension(int(values.size()));
    setValues(std::move(values));
}

GraphWC::GraphWC(const int* values, int count) : GraphWC(QStringLiteral("DrillCurrentScores")) {
    Populate(values, count);
}

void GraphWC::SetupWindow() {
    if (graphName_ == QLatin1String("DrillCurrentScores"))
        DrillPrefs();
    else if (graphName_ == QLatin1String("DrillScores"))
        DrillHistoryPrefs();
    else if (graphName_ == QLatin1String("SpeedTestScores"))
        SpeedTestPrefs();
}

void GraphWC::DrillPrefs() {
    applyStyle(graphStyle(QStringLiteral("DrillCurrentScores")));
}

void GraphWC::DrillHistoryPrefs() {
    applyStyle(graphStyle(QStringLiteral("DrillScores")));
}

void GraphWC::SpeedTestPrefs() {
    applyStyle(graphStyle(QStringLiteral("SpeedTestScores")));
}

void GraphWC::applyStyle(const GraphStyle& style) {
    style_ = style;
    window()->setWindowTitle(style_.caption);
    viewport()->update();
}

void GraphWC::Populate(const int* values, int count) {
    count = std::clamp(count, 0, kMaxGraphValues);
    std::vector<float> v;
    v.reserve(count);
    for (int i = 0; values && i < count; ++i)
        v.push_back(float(values[i]));
    setValues(std::move(v));
}

void GraphWC::setValues(std::vector<float> values) {
    values_ = std::move(values);
    range_ = valueRange(values_);
    laidOut_ = true;
    Init(int(values_.size()));
}

void GraphWC::Init(int count) {
    const bool band = hasComprehensionPoints(comprehension_);
    wanted_ = QSize(graphWidth(count) + (band ? kScaleBandWidth : 0), kGraphHeight);
    firstPaint_ = true;
    // A refresh keeps the place the user scrolled to, as far as the new range allows.
    horizontalScrollBar()->setRange(0, graphScrollSteps(count));
    viewport()->update();
}

void GraphWC::Quit() {
    if (auto* frame = qobject_cast<GraphC*>(window())) frame->EvClose();
}

void GraphWC::CMHelp() {
    if (style_.helpTopic > 0) WinHelpTopic(helpfile, style_.helpTopic);
}

PlotMetrics GraphWC::metrics() const {
    if (firstPaint_)
        return plotMetrics(int(values_.size()), viewport()->size(), range_,
                           hasComprehensionPoints(comprehension_));
    return metrics_;
}

GraphLayout GraphWC::currentLayout() const {
    return layoutGraph(values_, metrics(), horizontalScrollBar()->value() * kGraphScrollStep,
                       comprehension_, legendWidths());
}

void GraphWC::paintEvent(QPaintEvent*) {
    if (!laidOut_) return;
    if (firstPaint_) {
        metrics_ = metrics();
        firstPaint_ = false;
    }
    QPainter p(viewport());
    Draw(p, currentLayout(), style_);
}

void GraphWC::Draw(QPainter& p, const GraphLayout& layout, const GraphStyle& style) {
    p.save();
    p.setPen(QPen(kAxisColour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(layout.axes);

    const QFont labelFont = graphFont(12);
    const QFont valueFont = graphFont(9);
    p.setPen(Qt::black);
    p.setFont(labelFont);
    textAt(p, layout.yLabelPos[0], style.yLabel1);
    textAt(p, layout.yLabelPos[1], style.yLabel2);
    textAt(p, layout.yLabelPos[2], style.yLabel3);
    textAt(p, layout.xLabelPos, style.xLabel);

    const QPen outline(kOutlineColour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    for (const GraphBar& bar : layout.bars) {
        p.setPen(outline);
        p.setBrush(bar.practice ? kPracticeColour : style.barColour);
        p.drawRect(bar.rect);
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        p.setFont(labelFont);
        textAt(p, bar.numberPos, bar.number);
        p.setFont(valueFont);
        textAt(p, bar.valuePos, bar.value);
    }
    DrawComprehension(p, layout, style);
    p.restore();
}

void GraphWC::DrawComprehension(QPainter& p, const GraphLayout& layout, const GraphStyle& style) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // The points scroll with the bars and pass beneath the fixed scale band.
    if (!layout.scaleBand.isNull()) p.setClipRect(0, 0, layout.scaleBand.left(), 1 << 20);
    p.setPen(QPen(kComprehensionColour, 2));
    if (layout.points.size() > 1) p.drawPolyline(layout.points.data(), int(layout.points.size()));
    p.setBrush(kComprehensionColour);
    p.setPen(QPen(Qt::white, 1));
    for (const QPoint& point : layout.points)
        p.drawEllipse(point, kPointRadius, kPointRadius);
    p.setClipping(false);

    const QFont font = graphFont(9);
    p.setFont(font);
    if (!layout.scaleBand.isNull()) {
        p.fillRect(layout.scaleBand, Qt::white);
        p.setPen(QPen(kComprehensionColour, 2));
        p.drawLine(layout.scaleAxis);
        for (const ScaleTick& tick : layout.scaleTicks) {
            p.drawLine(tick.tick);
            textAt(p, tick.labelPos, tick.label);
        }
    }
    for (const LegendItem& item : layout.legend) {
        switch (item.kind) {
        case LegendKind::Speed:
        case LegendKind::Practice:
            p.setPen(QPen(kOutlineColour, 1));
            p.setBrush(item.kind == LegendKind::Speed ? style.barColour : kPracticeColour);
            p.drawRect(item.swatch.adjusted(0, 0, -1, -1));
            break;
        case LegendKind::Comprehension:
            p.setPen(QPen(kComprehensionColour, 2));
            p.drawLine(item.swatch.left(), item.swatch.center().y(), item.swatch.right(),
                       item.swatch.center().y());
            p.setBrush(kComprehensionColour);
            p.setPen(QPen(Qt::white, 1));
            p.drawEllipse(item.swatch.center(), kPointRadius, kPointRadius);
            break;
        }
        p.setPen(Qt::black);
        textAt(p, item.textPos, item.text);
    }
    p.restore();
}

void GraphWC::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    horizontalScrollBar()->setPageStep(std::max(1, viewport()->width() / kGraphScrollStep));
}

void GraphWC::scrollContentsBy(int, int) {
    viewport()->update();
}

void GraphWC::wheelEvent(QWheelEvent* event) {
    // Only sideways scrolling makes sense here, whichever way the wheel turns.
    QCoreApplication::sendEvent(horizontalScrollBar(), event);
}
