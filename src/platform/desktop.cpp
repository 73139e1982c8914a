#include "platform/desktop.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
QRect g_override;
}

QRect desktopRect() {
    if (!g_override.isEmpty())
        return g_override;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        return screen->geometry();
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

void setDesktopRectOverride(const QRect& rect) { g_override = rect; }
