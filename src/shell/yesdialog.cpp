#include "shell/yesdialog.h"

#include "platform/help.h"
#include "shell/globals.h"
#include "shell/sounds.h"

#include <QLineEdit>
#include <QTextEdit>

namespace {
constexpr int kEditId = 4090;
constexpr int kMaxText = 1999;
} // namespace

YesDialog::YesDialog(QWidget* parent, const char* templateName, const QString& text,
                     const QString& caption, int helpTopic, std::string* result, int resultSize,
                     bool silent)
    : TemplateDialog(parent, templateName), silent_(silent), text_(text.left(kMaxText)),
      helpTopic_(helpTopic), result_(result), resultSize_(resultSize) {
    setWindowTitle(caption);
    commands.add(6, [this] { Yes(); });
    commands.add(7, [this] { No(); });
    commands.add(1, [this] { OK(); });
    commands.add(2, [this] { Cancel(); });
    commands.add(9, [this] { Help(); });
    SetupWindow();
}

YesDialog::~YesDialog() = default;

void YesDialog::SetupWindow() {
    QWidget* edit = control(kEditId);
    if (auto* line = qobject_cast<QLineEdit*>(edit)) {
        line->setText(text_);
        line->selectAll();
        line->setFocus();
    } else if (auto* box = qobject_cast<QTextEdit*>(edit)) {
        box->setPlainText(text_);
        box->setAlignment(Qt::AlignCenter);
    }
}

QString YesDialog::editText() const {
    QWidget* edit = control(kEditId);
    if (auto* line = qobject_cast<QLineEdit*>(edit))
        return line->text();
    if (auto* box = qobject_cast<QTextEdit*>(edit))
        return box->toPlainText();
    return {};
}

void YesDialog::Yes() {
    if (!silent_)
        playSound("sound/right.wav");
    done(6);
}

void YesDialog::No() {
    if (!silent_)
        playSound("sound/wrong.wav");
    done(7);
}

void YesDialog::OK() {
    if (!silent_)
        playSound("sound/right.wav");
    if (result_ && resultSize_ > 0) {
        // At most size - 1 characters, as the caller's buffer holds.
        const QByteArray bytes = editText().toUtf8().left(resultSize_ - 1);
        *result_ = QString::fromUtf8(bytes).toStdString();
    }
    done(1);
}

void YesDialog::Cancel() {
    if (!silent_)
        playSound("sound/wrong.wav");
    done(2);
}

void YesDialog::Help() {
    playSound("sound/right.wav");
    WinHelpTopic(helpfile, helpTopic_);
}
