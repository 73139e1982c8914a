#include "shell/swindow.h"

#include "lesson/lessonmonitor.h"
#include "platform/desktop.h"
#include "shell/globals.h"
#include "shell/settings.h"

#include <QEventLoop>
#include <QMoveEvent>
#include <QVBoxLayout>

namespace {
// Reading windows are centred in the room right of the lesson monitor.
int monitorClientWidth() {
    return mon ? static_cast<QWidget*>(mon)->width() : 0;
}
} // namespace

SWindow::SWindow(QWidget* parent, const QString& caption, const QString& positionName,
                 QWidget* client, bool shrinkToClient)
    : QWidget(parent, Qt::Window), positionName_(positionName), client_(client) {
    setWindowTitle(caption);
    setGeometry(0, 0, 50, 50);
    if (client_) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        client_->setParent(this);
        client_->setWindowFlags(Qt::Widget);
        layout->addWidget(client_);
        if (shrinkToClient) {
            layout->setSizeConstraint(QLayout::SetFixedSize);
            resize(client_->sizeHint());
        }
    }
}

SWindow::~SWindow() = default;

void SWindow::Create() {
    if (created_) return;
    created_ = true;
    SetupWindow();
}

void SWindow::SetupWindow() {
    update();
    SetPos();
}

void SWindow::SetPos() {
    int x = Settings::userInt(Settings::positionKey(positionName_, "ScreenX").toLatin1(), -1);
    int y = Settings::userInt(Settings::positionKey(positionName_, "ScreenY").toLatin1(), -1);
    // A place left on a screen that is gone (or a hand edit) would leave the window where
    // nobody can reach it.
    if (x == -1 || y == -1 || !cornerOnScreen(QPoint(x, y))) DefaultPos(x, y);
    known_ = QPoint(x, y);
    move(x, y);
}

void SWindow::DefaultPos(int& x, int& y) const {
    const QRect desktop = desktopRect();
    const int dw = desktop.width() - 20;
    const int dh = desktop.height() - 20;
    const QSize outer = frameGeometry().size();
    const int w = outer.width();
    const int h = outer.height();
    const QString& n = positionName_;
    if (n == QLatin1String("YesNoCancel")) {
        x = dw - w;
        y = dh - h;
    } else if (n == QLatin1String("DrillGraph") || n == QLatin1String("SpeedGraph")) {
        x = 20;
        y = dh - h;
    } else if (n == QLatin1String("DrillPastGraph")) {
        x = w;
        y = dh - h;
    } else if (n == QLatin1String("SpeedTest") || n == QLatin1String("Readings") ||
               n == QLatin1String("Exercise")) {
        const int m = monitorClientWidth();
        x = std::min(dw - w, m + (dw - m - w) / 2);
        y = (dh - h) / 3;
    } else if (n == QLatin1String("MonitorWindow")) {
        x = 10;
        y = 84;
    } else {
        x = 50;
        y = 50;
    }
}

void SWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    keepOnScreen();
}

void SWindow::keepOnScreen() {
    const QPoint corner = onScreenTopLeft(*this);
    if (corner == frameGeometry().topLeft()) return;
    // The program's own correction, not a place the user chose.
    known_ = corner;
    move(corner);
}

void SWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    settled_.flush();
}

void SWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (created_) EvMove();
}

void SWindow::EvMove() {
    const QPoint topLeft = frameGeometry().topLeft();
    // Only a real move is remembered: not the placing at set-up, nor the window
    // showing up where it was put.
    if (pos() == known_) return;
    known_ = pos();
    settled_.writeUserInt(Settings::positionKey(positionName_, "ScreenX").toLatin1(), topLeft.x());
    settled_.writeUserInt(Settings::positionKey(positionName_, "ScreenY").toLatin1(), topLeft.y());
}

int SWindow::runModalLoop() {
    Create();
    setWindowModality(Qt::ApplicationModal);
    ending_ = false;
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    loop_ = &loop;
    if (!ending_) loop.exec();
    loop_ = nullptr;
    return modalResult_;
}

void SWindow::endModal(int result) {
    modalResult_ = result;
    ending_ = true;
    hide();
    if (loop_) loop_->quit();
}
