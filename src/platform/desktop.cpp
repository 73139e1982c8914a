#include "platform/desktop.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
QRect g_override;
}

QRect desktopRect() {
    if (!g_override.isEmpty()) return g_override;
    if (QScreen* screen = QGuiApplication::primaryScreen()) return screen->geometry();
    return QRect(0, 0, 1024, 768);
}

bool cornerOnScreen(QPoint topLeft, int side) {
    const QRect corner(topLeft, QSize(side, side));
    QList<QRect> screens;
    if (!g_override.isEmpty())
        screens.append(g_override);
    else
        for (const QScreen* screen : QGuiApplication::screens())
            screens.append(screen->geometry());
    qint64 covered = 0;
    for (const QRect& screen : screens) {
        const QRect part = screen.intersected(corner);
        covered += qint64(part.width()) * part.height();
    }
    return covered >= qint64(side) * side;
}

QPoint keepInside(const QRect& frame, const QRect& available) {
    if (available.isEmpty()) return frame.topLeft();
    int x = std::min(frame.x(), available.right() + 1 - frame.width());
    int y = std::min(frame.y(), available.bottom() + 1 - frame.height());
    x = std::max(x, available.left());
    y = std::max(y, available.top());
    return {x, y};
}

QPoint onScreenTopLeft(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    QRect available = g_override;
    if (available.isEmpty()) {
        const QScreen* screen = QGuiApplication::screenAt(frame.center());
        if (!screen) screen = window.screen();
        if (!screen) screen = QGuiApplication::primaryScreen();
        if (screen) available = screen->availableGeometry();
    }
    return keepInside(frame, available);
}

bool graphicalSessionAvailable(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (((arg == "-platform" || arg == "--platform") && i + 1 < argc) ||
            arg.startsWith("-platform=") || arg.startsWith("--platform="))
            return true;
    }
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void setDesktopRectOverride(const QRect& rect) {
    g_override = rect;
}
