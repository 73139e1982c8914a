#pragma once

#include "shell/swindow.h"

// The frame of the lesson monitor.
class MonWindow : public SWindow {
    Q_OBJECT
public:
    MonWindow(QWidget* owner, QWidget* client);

protected:
    void closeEvent(QCloseEvent* event) override;
};
