#pragma once

#include "platform/canvas_widget.h"

// The flash area of the drill window: a white canvas the drill draws into.
class MyZWindow : public CanvasWidget {
    Q_OBJECT
public:
    explicit MyZWindow(QWidget* parent = nullptr);

    // Shows what was drawn at once.
    void present();
};
