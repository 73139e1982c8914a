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

QFont graphFont(int pixelHeight) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixelHeight);
    f.setWeight(QFont::Bold);
    return f;
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
    wanted_ = QSize(graphWidth(count), kGraphHeight);
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
    if (firstPaint_) return plotMetrics(int(values_.size()), viewport()->size(), range_);
    return metrics_;
}

GraphLayout GraphWC::currentLayout() const {
    return layoutGraph(values_, metrics(), horizontalScrollBar()->value() * kGraphScrollStep);
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
        p.setBrush(style.barColour);
        p.drawRect(bar.rect);
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        p.setFont(labelFont);
        textAt(p, bar.numberPos, bar.number);
        p.setFont(valueFont);
        textAt(p, bar.valuePos, bar.value);
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
