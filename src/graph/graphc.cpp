#include "graph/graphc.h"

#include "graph/graphwc.h"
#include "platform/art.h"
#include "platform/message_box.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLayout>
#include <QPointer>

namespace {

Qt::WindowFlags graphFrameFlags() {
    // A caption and a sizing border, no system menu.
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
}

} // namespace

GraphC::GraphC(const QString& keyName, QWidget* parent, const QString& windowName)
    : SWindow(parent, QString(), windowName, new GraphWC(keyName, parent)) {
    drawing_ = static_cast<GraphWC*>(client());
    setWindowFlags(graphFrameFlags());
    // The caption is the kind's from the start, even for an opener that never calls Create.
    drawing_->SetupWindow();
    Init();
}

GraphC::GraphC(const int* levels, int count, QWidget* parent, const QString& windowName,
               bool* openFlag)
    : SWindow(parent, QString(), windowName, new GraphWC(levels, count)), openFlag_(openFlag) {
    drawing_ = static_cast<GraphWC*>(client());
    setWindowFlags(graphFrameFlags());
    drawing_->SetupWindow();
    Init();
    if (openFlag_) *openFlag_ = true;
}

GraphC::~GraphC() {
    if (openFlag_) *openFlag_ = false;
}

QString GraphC::graphName() const {
    return drawing_->graphName();
}

bool GraphC::hasGraph() const {
    return drawing_->laidOut();
}

void GraphC::Init() {
    const QSize size = drawing_->wantedSize();
    drawing_->resize(size);
    resize(size);
    if (layout()) layout()->activate();
}

void GraphC::SetupWindow() {
    drawing_->SetupWindow();
    setWindowIcon(Art::icon(QStringLiteral("GRAPH")));
    SWindow::SetupWindow();
}

void GraphC::Populate(const int* levels, int count) {
    drawing_->Populate(levels, count);
}

bool GraphC::EvClose() {
    if (graphName() == QLatin1String("DrillCurrentScores")) {
        const int answer =
            MessageBox(this,
                       QStringLiteral("You can leave this graph open while you are "
                                      "doing your drills.  Do you still want to quit?"),
                       QStringLiteral("Quit?"), MB_YESNO);
        if (answer != IDNO) {
            hide();
            tellClosed();
        }
        // The opener destroys this graph; the frame itself never just closes.
        return false;
    }
    endModal(0);
    return true;
}

void GraphC::tellClosed() {
    // Deferred, and delivered to the application rather than to this window, so that the
    // handler may delete the graph once the close or the button press has finished with it.
    QPointer<GraphC> self(this);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [self, handler = closedHandler_] {
            if (!self) return;
            if (handler)
                handler();
            else
                self->deleteLater();
        },
        Qt::QueuedConnection);
}

int GraphC::execModal() {
    if (!hasGraph())
        return 0;
    return runModalLoop();
}

void GraphC::closeEvent(QCloseEvent* event) {
    if (modalEnding() || EvClose())
        event->accept();
    else
        event->ignore();
}

int runStoredGraph(QWidget* parent, const QString& keyName, const QString& windowName) {
    GraphC graph(keyName, parent, windowName);
    if (!graph.hasGraph()) return 0;
    graph.Create();
    return Modal::runModal(graph);
}
