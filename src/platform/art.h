#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// The program's SVG artwork (":/art/NAME.svg"), rendered at the size a window asks for.
namespace Art {

bool exists(const QString& name);
// Default size of the artwork (its view box), or an empty size when missing.
QSize naturalSize(const QString& name);
// Renders the whole picture stretched into size; a null pixmap when the art is missing.
// Pixmaps get the pixels of the densest screen, so they are sharp at any scale.
QPixmap pixmap(const QString& name, QSize size);
// An image of exactly size pixels; with a ratio above 1, size is logical and the image
// has ratio times the pixels, its device pixel ratio set.
QImage image(const QString& name, QSize size, int ratio = 1);
// Whole pixels per logical pixel of the densest screen (1 on an ordinary one).
int screenRatio();
QIcon icon(const QString& name);
// A frame's icon: the large picture, with the small one at 16 pixels (title bar, task list).
QIcon icon(const QString& large, const QString& small);

} // namespace Art
