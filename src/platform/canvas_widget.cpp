#include "platform/canvas_widget.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

int canvasRatio(qreal devicePixelRatio) {
    return std::max(1, static_cast<int>(std::ceil(devicePixelRatio - 1e-6)));
}

QSize logicalSize(const QImage& image) {
    const int r = canvasRatio(image.devicePixelRatio());
    return QSize(image.width() / r, image.height() / r);
}

QRect logicalRect(const QImage& image) {
    return QRect(QPoint(0, 0), logicalSize(image));
}

QRect devicePixels(const QImage& image, const QRect& logical) {
    const int r = canvasRatio(image.devicePixelRatio());
    return QRect(logical.x() * r, logical.y() * r, logical.width() * r, logical.height() * r);
}

CanvasWidget::CanvasWidget(const QColor& background, QWidget* parent)
    : QWidget(parent), background_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitCanvas();
}

bool CanvasWidget::fitCanvas() {
    const int ratio = canvasRatio(devicePixelRatioF());
    const QSize wanted = size().expandedTo(QSize(1, 1)) * ratio;
    if (canvas_.size() == wanted && canvasRatio(canvas_.devicePixelRatio()) == ratio) return false;
    QImage next(wanted, QImage::Format_RGB32);
    next.setDevicePixelRatio(ratio);
    next.fill(background_);
    if (!canvas_.isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, canvas_);
    }
    canvas_ = next;
    return true;
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    // Moved to a screen of another density: a canvas of its pixels, redrawn by the owner.
    const int ratio = canvasRatio(devicePixelRatioF());
    if (canvasRatio(canvas_.devicePixelRatio()) != ratio && fitCanvas()) screenChanged();
    QPainter p(this);
    const QRect r = event->rect();
    // A screen of fractional density gets the canvas smoothly scaled down.
    p.setRenderHint(QPainter::SmoothPixmapTransform, devicePixelRatioF() != ratio);
    p.drawImage(QRectF(r), canvas_, QRectF(devicePixels(canvas_, r)));
}

void CanvasWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitCanvas();
}
