#include "drill/myzwindow.h"

MyZWindow::MyZWindow(QWidget* parent) : CanvasWidget(Qt::white, parent) {}

void MyZWindow::present() { repaint(); }
