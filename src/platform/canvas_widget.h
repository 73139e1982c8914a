#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// A drawing surface: drawing code paints into the canvas, and painting only copies
// the canvas, so what was drawn stays until it is replaced. The canvas follows the
// widget's size; new area gets the background colour. On a high-density screen the
// canvas has the screen's pixels (its device pixel ratio set), so painters draw in
// the widget's logical coordinates and text and lines come out sharp.
class CanvasWidget : public QWidget {
    Q_OBJECT
public:
    CanvasWidget(const QColor& background, QWidget* parent = nullptr);

    QImage& canvas() { return canvas_; }
    // Makes the canvas match the widget's size and screen, keeping what was drawn.
    // True when the canvas was replaced.
    bool fitCanvas();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // After a move to a screen of another density; the drawing is redone by the owner.
    virtual void screenChanged() {}

private:
    QColor background_;
    QImage canvas_;
};

// Whole pixels per logical pixel of a widget's canvas: the screen's ratio rounded
// up, so scroll steps move whole rows and nothing is drawn at less than the
// screen's density.
int canvasRatio(qreal devicePixelRatio);
// A canvas's size and rectangle in the logical pixels its painters draw in.
QSize logicalSize(const QImage& image);
QRect logicalRect(const QImage& image);
// A rectangle in logical pixels as the image's own pixels.
QRect devicePixels(const QImage& image, const QRect& logical);
