#pragma once

#include <QImage>
#include <QWidget>

// The flash area of the drill window. It owns the canvas the drill draws into;
// painting only copies the canvas, so what was drawn stays until it is replaced.
class MyZWindow : public QWidget {
    Q_OBJECT
public:
    explicit MyZWindow(QWidget* parent = nullptr);

    QImage& canvas() { return canvas_; }
    // Makes the canvas match the widget's size (white where new).
    void fitCanvas();
    // Shows what was drawn at once.
    void present();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage canvas_;
};
