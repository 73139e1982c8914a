#pragma once

#include "platform/template_dialog.h"

#include <string>

// A yes/no question or a one-line input on a caller-chosen template.
class YesDialog : public TemplateDialog {
    Q_OBJECT
public:
    YesDialog(QWidget* parent, const char* templateName, const QString& text, const QString& caption,
              int helpTopic, std::string* result, int resultSize, bool silent);
    ~YesDialog() override;

    void SetupWindow();
    void Yes();
    void No();
    void OK();
    void Cancel();
    void Help();

    // The text of the edit control (4090).
    QString editText() const;

private:
    bool silent_;
    QString text_;
    int helpTopic_;
    std::string* result_;
    int resultSize_;
};
