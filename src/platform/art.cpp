#include "platform/art.h"

#include "platform/canvas_widget.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace Art {

namespace {
QString resourcePath(const QString& name) {
    return QStringLiteral(":/art/%1.svg").arg(name);
}
} // namespace

bool exists(const QString& name) {
    return QFile::exists(resourcePath(name));
}

QSize naturalSize(const QString& name) {
    QSvgRenderer renderer(resourcePath(name));
    if (!renderer.isValid()) return {};
    return renderer.viewBox().size();
}

int screenRatio() {
    return qGuiApp ? canvasRatio(qGuiApp->devicePixelRatio()) : 1;
}

QImage image(const QString& name, QSize size, int ratio) {
    QSvgRenderer renderer(resourcePath(name));
    ratio = std::max(1, ratio);
    if (!renderer.isValid() || size.isEmpty()) return {};
    size *= ratio;
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    // Stretched, not letter-boxed: pictures fill the rectangle they are given.
    renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    QPainter painter(&img);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    img.setDevicePixelRatio(ratio);
    return img;
}

QPixmap pixmap(const QString& name, QSize size) {
    const QImage img = image(name, size, screenRatio());
    return img.isNull() ? QPixmap() : QPixmap::fromImage(img);
}

QIcon icon(const QString& name) {
    return icon(name, name);
}

QIcon icon(const QString& large, const QString& small) {
    QIcon result;
    for (int side : {16, 24, 32, 48, 64}) {
        const QPixmap pm = pixmap(side == 16 ? small : large, QSize(side, side));
        if (!pm.isNull()) result.addPixmap(pm);
    }
    return result;
}

} // namespace Art
