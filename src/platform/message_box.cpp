#include "platform/message_box.h"

#include "platform/modal.h"

#include <QMessageBox>

QString defaultMessageCaption() { return QStringLiteral("SkimSprinter"); }

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
    switch (type & 0xF0) {
    case MB_ICONEXCLAMATION:
        box.setIcon(QMessageBox::Warning);
        break;
    case MB_ICONINFORMATION:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
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
