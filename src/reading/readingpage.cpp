#include "reading/readingpage.h"

#include <QPaintEvent>
#include <QPainter>

ReadingPage::ReadingPage(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    fitCanvas();
}

void ReadingPage::fitCanvas() {
    const QSize wanted = size().expandedTo(QSize(1, 1));
    if (canvas_.size() == wanted) return;
    QImage next(wanted, QImage::Format_RGB32);
    next.fill(QColor(0xC0, 0xC0, 0xC0));
    if (!canvas_.isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, canvas_);
    }
    canvas_ = next;
}

void ReadingPage::present(const QRect& rect) {
    presenting_ = true;
    repaint(rect);
    presenting_ = false;
}

void ReadingPage::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    p.drawImage(r, canvas_, r);
    if (!presenting_ && onPaintRequest) onPaintRequest();
}

void ReadingPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitCanvas();
    if (onResize) onResize();
}
