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
QPixmap pixmap(const QString& name, QSize size);
QImage image(const QString& name, QSize size);
QIcon icon(const QString& name);

} // namespace Art
