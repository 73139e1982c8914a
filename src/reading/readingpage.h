#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

// The client area of a reading window. It owns the canvas the text box draws
// into; painting copies the canvas. Paint requests from the window system (not
// the box's own presents) and size changes are passed on to the window.
class ReadingPage : public QWidget {
    Q_OBJECT
public:
    explicit ReadingPage(QWidget* parent = nullptr);

    QImage& canvas() { return canvas_; }
    void fitCanvas();
    // Shows a rectangle of the canvas at once.
    void present(const QRect& rect);

    std::function<void()> onPaintRequest;
    std::function<void()> onResize;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage canvas_;
    bool presenting_ = false;
};
