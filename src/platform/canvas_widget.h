#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// A drawing surface: drawing code paints into the canvas, and painting only copies
// the canvas, so what was drawn stays until it is replaced. The canvas follows the
// widget's size; new area gets the background colour.
class CanvasWidget : public QWidget {
    Q_OBJECT
public:
    CanvasWidget(const QColor& background, QWidget* parent = nullptr);

    QImage& canvas() { return canvas_; }
    // Makes the canvas match the widget's size, keeping what was drawn.
    void fitCanvas();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QColor background_;
    QImage canvas_;
};
