#include "reading/testwindow.h"

#include "reading/readingpage.h"
#include "reading/scr.h"
#include "shell/globals.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QProgressBar>
#include <QTimer>

TestWindow::TestWindow(QWidget* parent, const QString& title, const QString& name,
                       int readingNumber, bool speedTest)
    : SWindow(parent, title, name, new ReadingPage), SpeedTest(speedTest),
      ReadingNumber(readingNumber), page_(static_cast<ReadingPage*>(client())) {
    win = this;
}

TestWindow::~TestWindow() {
    delete Box;
    if (win == this)
        win = nullptr;
    if (hwin == this)
        hwin = nullptr;
}

void TestWindow::SetupWindow() { SWindow::SetupWindow(); }
void TestWindow::SetProgress(int) {}
void TestWindow::SetProgressMax(int) {}
QImage& TestWindow::canvas() { return page_->canvas(); }
void TestWindow::present(const QRect& rect) { page_->present(rect); }
int TestWindow::outerWidthFor(int clientWidth) const { return clientWidth; }
void TestWindow::setOuterWidth(int) {}
void TestWindow::EvKeyDown(int, bool) {}
void TestWindow::Paint() {}
void TestWindow::CMContents() {}
bool TestWindow::CanClose() { return true; }
void TestWindow::Command(int id) { commands.dispatch(id); }
void TestWindow::EvTimer(int) {}
void TestWindow::EvSize() {}
void TestWindow::EvCommandEnable() {}
void TestWindow::CMFontLarger() {}
void TestWindow::CMFontSmaller() {}
void TestWindow::CMScrollVerySmooth() {}
void TestWindow::CMScrollSmooth() {}
void TestWindow::CMScrollMedium() {}
void TestWindow::CMScrollCourse() {}
void TestWindow::CMScrollNow() {}
void TestWindow::CMTextFile() {}
void TestWindow::CMPracticeReadings() {}
void TestWindow::ViewSpeedTestResults() {}
void TestWindow::SetLoadFile() {}
bool TestWindow::timerActive(int) const { return false; }
QRect TestWindow::progressRect(int, int, bool) { return {}; }
void TestWindow::keyPressEvent(QKeyEvent* event) { EvKeyDown(event->key(), event->isAutoRepeat()); }
void TestWindow::keyReleaseEvent(QKeyEvent* event) { EvKeyUp(event->key(), event->isAutoRepeat()); }
void TestWindow::closeEvent(QCloseEvent* event) {
    if (CanClose())
        event->accept();
    else
        event->ignore();
}
void TestWindow::startTimer(int, int) {}
void TestWindow::stopTimer(int) {}
void TestWindow::setCheckedItem(int) {}
void TestWindow::removeMenuItem(int) {}
