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

void setDesktopRectOverride(const QRect& rect) { g_override = rect; }
