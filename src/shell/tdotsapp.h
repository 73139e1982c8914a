#pragma once

class QApplication;

// The application: identifies the user, welcomes them, asks for the lesson plan
// and builds the window tree in which every activity runs.
class TDotsApp {
public:
    TDotsApp() = default;
    ~TDotsApp() = default;

    // The start-up sequence, run once before the message loop.
    void InitMainWindow();
    // What the framework does next: sets up and shows the window tree, then the
    // lesson monitor's set-up (new-user questions, the first lesson prompt).
    void CreateWindows();
    // Both, then the message loop.
    int Run();

    int lessonPlan() const { return plan_; }

private:
    // Says so and ends the run with status 1 when the data tree is incomplete.
    bool dataTreePresent();
    int plan_ = 4;
};

int OwlMain(int argc, char** argv);
