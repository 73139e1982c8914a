#include "reading/readingpage.h"

ReadingPage::ReadingPage(QWidget* parent) : CanvasWidget(QColor(0xC0, 0xC0, 0xC0), parent) {
    setFocusPolicy(Qt::NoFocus);
}

void ReadingPage::present(const QRect& rect) {
    presenting_ = true;
    repaint(rect);
    presenting_ = false;
}

void ReadingPage::paintEvent(QPaintEvent* event) {
    CanvasWidget::paintEvent(event);
    if (!presenting_ && onPaintRequest) onPaintRequest();
}

void ReadingPage::resizeEvent(QResizeEvent* event) {
    CanvasWidget::resizeEvent(event);
    if (onResize) onResize();
}
