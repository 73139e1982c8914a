// Draws a line of reading text into a canvas on a screen of twice the density and
// prints what the test checks: the canvas's pixels and ratio, the page as shown,
// how many 2 x 2 blocks of it are not one flat colour (none when a page drawn at
// normal size was blown up), and the pixels of a 32-pixel picture.
#include "platform/art.h"
#include "platform/canvas_widget.h"
#include "reading/textbox.h"

#include <QApplication>
#include <QPainter>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CanvasWidget page(Qt::white);
    page.resize(300, 60);
    page.show();
    QImage& canvas = page.canvas();
    {
        QPainter p(&canvas);
        p.setFont(readingFont(20, false));
        p.setPen(Qt::black);
        p.drawText(10, 40, QStringLiteral("Sharp reading text"));
    }
    const QImage shown = page.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int mixed = 0;
    for (int y = 0; y + 1 < shown.height(); y += 2)
        for (int x = 0; x + 1 < shown.width(); x += 2) {
            const QRgb c = shown.pixel(x, y);
            if (shown.pixel(x + 1, y) != c || shown.pixel(x, y + 1) != c ||
                shown.pixel(x + 1, y + 1) != c)
                ++mixed;
        }
    const QPixmap picture = Art::pixmap(QStringLiteral("BRAIN"), QSize(32, 32));
    std::printf("canvas %dx%d@%g logical %dx%d shown %dx%d mixed %d picture %dx%d\n",
                canvas.width(), canvas.height(), canvas.devicePixelRatio(),
                logicalSize(canvas).width(), logicalSize(canvas).height(), shown.width(),
                shown.height(), mixed, picture.width(), picture.height());
    return 0;
}
