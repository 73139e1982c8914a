#include "platform/canvas_widget.h"

#include <QPaintEvent>
#include <QPainter>

CanvasWidget::CanvasWidget(const QColor& background, QWidget* parent)
    : QWidget(parent), background_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitCanvas();
}

void CanvasWidget::fitCanvas() {
    const QSize wanted = size().expandedTo(QSize(1, 1));
    if (canvas_.size() == wanted)
        return;
    QImage next(wanted, QImage::Format_RGB32);
    next.fill(background_);
    if (!canvas_.isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, canvas_);
    }
    canvas_ = next;
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    p.drawImage(r, canvas_, r);
}

void CanvasWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitCanvas();
}
