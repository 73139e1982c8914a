#pragma once

#include <QWidget>

class BlockWindow;

// The application's main window: never shown with a size of its own; the
// workspace and the monitor frame stand above it.
class FirstWindow : public QWidget {
    Q_OBJECT
public:
    FirstWindow();
    void SetupWindow();
    void setWorkspace(BlockWindow* workspace) { workspace_ = workspace; }
    BlockWindow* workspace() const { return workspace_; }

private:
    BlockWindow* workspace_ = nullptr;
};
