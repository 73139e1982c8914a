#pragma once

#include "platform/modal.h"
#include "shell/swindow.h"

#include <functional>

class GraphWC;
class QEventLoop;

// The frame of a graph. The stored graphs (drill history, speed tests) run modally and
// close at once; the graph of the current drills stays open beside the drills, is
// refreshed with Populate, and asks before it closes.
class GraphC : public SWindow, public ModalWindow {
    Q_OBJECT
public:
    // A stored graph: keyName "DrillScores" or "SpeedTestScores".
    GraphC(const QString& keyName, QWidget* parent, const QString& windowName);
    // The current drills' graph from the levels so far; *openFlag is true while it exists.
    GraphC(const int* levels, int count, QWidget* parent, const QString& windowName,
           bool* openFlag);
    ~GraphC() override;

    void SetupWindow() override;
    void Init();
    void Populate(const int* levels, int count);

    // Called once the user has agreed to close the current drills' graph, after the close
    // itself has finished, so it may delete the graph. Without one the graph deletes itself.
    void setClosedHandler(std::function<void()> handler) { closedHandler_ = std::move(handler); }

    // The close of either window: true when the frame may close now.
    bool EvClose();

    GraphWC* drawing() const { return drawing_; }
    QString graphName() const;
    // False when a stored list held nothing to draw; such a graph is not shown.
    bool hasGraph() const;

    int execModal() override;
    int modalResult() const override { return lastModalResult(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void tellClosed();

    GraphWC* drawing_;
    bool* openFlag_ = nullptr;
    std::function<void()> closedHandler_;
};

// Builds a stored graph, runs it modally when there is something to show, and destroys it.
// Callers check STOK or DROK first.
int runStoredGraph(QWidget* parent, const QString& keyName, const QString& windowName);
