#include "shell/monwindow.h"

#include "lesson/lessonmonitor.h"

#include <QCloseEvent>

MonWindow::MonWindow(QWidget* owner, QWidget* client)
    : SWindow(owner, QStringLiteral("SkimSprinter V2.0 Lesson Plan"),
              QStringLiteral("MonitorWindow"), client, true) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

void MonWindow::closeEvent(QCloseEvent* event) {
    // The frame has no close box; a close forced by the window manager quits
    // the way the Quit button does, so the minutes of the run are kept.
    event->ignore();
    if (auto* monitor = qobject_cast<LessonMonitor*>(client()))
        monitor->CMCancel();
}
