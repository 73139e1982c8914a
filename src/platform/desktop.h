#pragma once

#include <QRect>

class QWidget;

// The desktop window's rectangle: the primary screen's geometry.
QRect desktopRect();
// True when at least `side` x `side` pixels from the top-left corner lie on a screen, so a
// window placed there can be seen and dragged. With the test override, its rectangle is the
// one screen.
bool cornerOnScreen(QPoint topLeft, int side = 40);
// Where a window's frame must go to lie inside `available`: moved up or left as far as
// needed; a frame larger than the area keeps its top-left corner (and title bar) inside.
QPoint keepInside(const QRect& frame, const QRect& available);
// The top-left a shown top-level window's frame should have so that it lies on the
// usable area (without panels) of the screen holding most of it.
QPoint onScreenTopLeft(const QWidget& window);
// Whether a window can be shown at all: a platform named on the command line
// ("-platform name") or in QT_QPA_PLATFORM, or an X11 or Wayland display in the environment.
// Checked before the application object is built, which would abort without one.
bool graphicalSessionAvailable(int argc, const char* const* argv);
// Tests fix the desktop size; an empty rectangle restores the screen's.
void setDesktopRectOverride(const QRect& rect);
