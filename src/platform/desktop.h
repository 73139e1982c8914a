#pragma once

#include <QRect>

// The desktop window's rectangle: the primary screen's geometry.
QRect desktopRect();
// Tests fix the desktop size; an empty rectangle restores the screen's.
void setDesktopRectOverride(const QRect& rect);
