#include "shell/firstwindow.h"

#include "platform/art.h"

FirstWindow::FirstWindow() : QWidget(nullptr, Qt::Window) {
    setWindowTitle(QStringLiteral("SkimSprinter V2.0"));
    resize(0, 0);
}

void FirstWindow::SetupWindow() {
    setWindowIcon(Art::icon(QStringLiteral("APPLICATION"), QStringLiteral("SMALL")));
}
