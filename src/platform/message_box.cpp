#include "platform/message_box.h"

#include "platform/modal.h"

#include <QMessageBox>

QString defaultMessageCaption() { return QStringLiteral("SkimSprinter"); }

namespace {
QMessageBox::Icon iconOf(unsigned type) {
    switch (type & 0xF0) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}
} // namespace

int MessageBox(QWidget* parent, const QString& text, const QString& caption, unsigned type) {
    QMessageBox box(parent);
    box.setWindowTitle(caption.isEmpty() ? defaultMessageCaption() : caption);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    switch (type & 0xF) {
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MB_YESNOCANCEL:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    box.setIcon(iconOf(type));
    const int raw = Modal::runModal(box);
    QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
    if (pressed == QMessageBox::NoButton)
        pressed = static_cast<QMessageBox::StandardButton>(raw);
    switch (pressed) {
    case QMessageBox::Ok:
        return IDOK;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        // Closed by Escape or the close box: the box's cancelling answer.
        if ((type & 0xF) == MB_YESNO)
            return IDNO;
        return (type & 0xF) == MB_OK ? IDOK : IDCANCEL;
    }
}
