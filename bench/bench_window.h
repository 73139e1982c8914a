#pragma once

#include "reading/scr.h"
#include "reading/testwindow.h"

// A reading window with a scrolling box and no lesson, for benchmarks: nothing is
// loaded at start, and the scrolling hint, which would block in a message box, is off.
class BenchWindow : public TestWindow {
public:
    BenchWindow() : TestWindow(nullptr, nullptr, "Bench", "Readings", -1, false) {}
    void SetupWindow() override {
        Box = new ScrollTextBox(1);
        TestWindow::SetupWindow();
        stopTimer(2);
    }
    void LoadInitial() override {}
    void FinishedScrolling() override { ended = true; }
    bool ended = false;
};
