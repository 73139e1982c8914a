#pragma once

#include "platform/canvas_widget.h"

#include <functional>

// The client area of a reading window: the canvas the text box draws into. Paint
// requests from the window system (not the box's own presents) and size changes
// are passed on to the window.
class ReadingPage : public CanvasWidget {
    Q_OBJECT
public:
    explicit ReadingPage(QWidget* parent = nullptr);

    // Shows a rectangle of the canvas at once.
    void present(const QRect& rect);

    std::function<void()> onPaintRequest;
    std::function<void()> onResize;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool presenting_ = false;
};
