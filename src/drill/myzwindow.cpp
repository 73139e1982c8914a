#include "drill/myzwindow.h"

#include <QPaintEvent>
#include <QPainter>

MyZWindow::MyZWindow(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitCanvas();
}

void MyZWindow::fitCanvas() {
    const QSize wanted = size().expandedTo(QSize(1, 1));
    if (canvas_.size() == wanted)
        return;
    QImage next(wanted, QImage::Format_RGB32);
    next.fill(Qt::white);
    if (!canvas_.isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, canvas_);
    }
    canvas_ = next;
}

void MyZWindow::present() { repaint(); }

void MyZWindow::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    p.drawImage(r, canvas_, r);
}

void MyZWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitCanvas();
}
