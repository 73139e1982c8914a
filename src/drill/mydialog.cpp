#include "drill/mydialog.h"

#include "platform/art.h"
#include "platform/canvas_widget.h"
#include "platform/help.h"
#include "shell/globals.h"

#include <QPainter>
#include <QTextEdit>

namespace {
constexpr int kTextId = 10;
constexpr int kMaxBitmapName = 19;
constexpr int kMaxText = 1999;
} // namespace

MyDialog::MyDialog(QWidget* parent, const char* templateName, const QString& bitmapName,
                   const QString& text, const QString& caption, int helpTopic)
    : TemplateDialog(parent, templateName), bitmapName_(bitmapName.left(kMaxBitmapName)),
      text_(text.left(kMaxText)), helpTopic_(helpTopic) {
    setWindowTitle(caption);
    commands.add(1, [this] { done(1); });
    commands.add(9, [this] { Help(); });
    if (auto* edit = qobject_cast<QTextEdit*>(control(kTextId))) {
        edit->setPlainText(text_);
        edit->setAlignment(Qt::AlignCenter);
    }
}

QRect MyDialog::pictureRect(QSize client) {
    const int w = client.width();
    const int h = client.height();
    // The top edge is taken from the width, like the left edge.
    const int left = int(0.025 * w);
    const int top = int(0.025 * w);
    const int right = int(0.5 * w);
    const int bottom = int(0.67 * h);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void MyDialog::paintEvent(QPaintEvent* event) {
    TemplateDialog::paintEvent(event);
    const QRect target = pictureRect(size());
    const QImage picture =
        Art::image(bitmapName_, target.size(), canvasRatio(devicePixelRatioF()));
    if (picture.isNull())
        return;
    QPainter p(this);
    p.drawImage(target.topLeft(), picture);
}

void MyDialog::Help() { WinHelpTopic(helpfile, helpTopic_); }

void MyDialog::reject() { done(1); }
