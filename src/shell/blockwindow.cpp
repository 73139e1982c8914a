#include "shell/blockwindow.h"

#include "platform/art.h"
#include "platform/desktop.h"
#include "platform/modal.h"
#include "shell/settings.h"

#include <QCloseEvent>
#include <QColorDialog>
#include <QPainter>
#include <QPushButton>

BlockWindow::BlockWindow(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("SkimSprinter V2.0 Workspace"));
    setGeometry(desktopRect());
    background_ = valueToColor(16711680);
    commands.add(100, [this] { CMChooseColor(); });
}

int BlockWindow::colorToValue(const QColor& c) { return c.red() | c.green() << 8 | c.blue() << 16; }

QColor BlockWindow::valueToColor(int value) {
    const unsigned v = static_cast<unsigned>(value);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

void BlockWindow::SetupWindow() {
    background_ = valueToColor(Settings::userInt("OtherBlockWindowColor", 16711680));
    setWindowIcon(Art::icon(QStringLiteral("APPLICATION"), QStringLiteral("SMALL")));
    update();
}

void BlockWindow::addColorButton() {
    auto* button = new QPushButton(QStringLiteral("Color"), this);
    button->setGeometry(10, 10, 50, 25);
    button->setAutoDefault(false);
    button->setProperty("controlId", 100);
    connect(button, &QPushButton::clicked, this, [this] { commands.dispatch(100); });
}

void BlockWindow::CMChooseColor() {
    QColorDialog dialog(Qt::black, this);
    if (Modal::runModal(dialog) != QDialog::Accepted)
        return;
    background_ = dialog.selectedColor();
    update();
    Settings::writeUserInt("OtherBlockWindowColor", colorToValue(background_));
}

void BlockWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    EvMove();
}

void BlockWindow::EvMove() {
    // The workspace cannot be moved away.
    const QRect desktop = desktopRect();
    if (pinning_ || geometry() == QRect(QPoint(0, 0), desktop.size()))
        return;
    pinning_ = true;
    setGeometry(QRect(QPoint(0, 0), desktop.size()));
    pinning_ = false;
    update();
}

void BlockWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), background_);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1)); // the thin border
}

void BlockWindow::closeEvent(QCloseEvent* event) {
    // The workspace stays for the whole run; the monitor's Quit ends it.
    event->ignore();
}
