#pragma once

#include "platform/template_dialog.h"

// The announcement: a picture on the left half, a short text on the right,
// OK and Help. Used for level changes and for the welcome at start-up.
class MyDialog : public TemplateDialog {
    Q_OBJECT
public:
    MyDialog(QWidget* parent, const char* templateName, const QString& bitmapName,
             const QString& text, const QString& caption, int helpTopic);

    void Help();
    QString bitmapName() const { return bitmapName_; }
    QString text() const { return text_; }
    // Where the picture is stretched to in a client area of the given size.
    static QRect pictureRect(QSize client);
    // The close box ends the dialog as OK does.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString bitmapName_;
    QString text_;
    int helpTopic_;
};
