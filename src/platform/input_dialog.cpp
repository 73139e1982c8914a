#include "platform/input_dialog.h"

#include "platform/message_box.h"
#include "platform/modal.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <climits>

bool RangeValidator::leadingNumber(const QString& text, long& value) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto at = [&](qsizetype k) { return text[k].unicode(); };
    // atol skips the blanks isspace knows.
    while (i < n && (at(i) == u' ' || (at(i) >= u'\t' && at(i) <= u'\r')))
        ++i;
    bool negative = false;
    if (i < n && (at(i) == u'+' || at(i) == u'-')) {
        negative = at(i) == u'-';
        ++i;
    }
    const qsizetype firstDigit = i;
    long magnitude = 0;
    for (; i < n && at(i) >= u'0' && at(i) <= u'9'; ++i) {
        const int digit = at(i) - u'0';
        if (magnitude > (LONG_MAX - digit) / 10)
            magnitude = LONG_MAX; // saturate; keep reading the digits
        else
            magnitude = magnitude * 10 + digit;
    }
    if (i == firstDigit) {
        value = 0;
        return false;
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

long RangeValidator::atolValue(const QString& text) {
    long value = 0;
    leadingNumber(text, value);
    return value;
}

bool RangeValidator::IsValid(const QString& text) const {
    long value = 0;
    return leadingNumber(text, value) && value >= min_ && value <= max_;
}

void RangeValidator::Error(QWidget* owner) {
    MessageBox(owner,
               QStringLiteral("Value is not in the range %1 to %2.").arg(min_).arg(max_),
               QStringLiteral("Validator"), MB_OK | MB_ICONEXCLAMATION);
}

InputDialog::InputDialog(QWidget* parent, const QString& caption, const QString& prompt,
                         const QString& initialText, int maxChars, InputValidator* validator)
    : QDialog(parent), validator_(validator) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    prompt_ = new QLabel(prompt, this);
    prompt_->setTextFormat(Qt::PlainText);
    prompt_->setWordWrap(true);
    layout->addWidget(prompt_);
    edit_ = new QLineEdit(this);
    // The field stops at the room the caller gave; setText cuts a longer start text the same way.
    edit_->setMaxLength(maxChars > 0 ? maxChars : 0);
    edit_->setText(initialText);
    edit_->selectAll();
    prompt_->setBuddy(edit_);
    layout->addWidget(edit_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &InputDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &InputDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(300);
    edit_->setFocus();
}

InputDialog::~InputDialog() = default;

int InputDialog::Execute() { return Modal::runModal(*this) == IDOK ? IDOK : IDCANCEL; }

QString InputDialog::text() const { return edit_->text(); }

QString InputDialog::prompt() const { return prompt_->text(); }

void InputDialog::accept() {
    if (validator_ && !validator_->IsValid(edit_->text())) {
        validator_->Error(this);
        edit_->setFocus();
        edit_->selectAll();
        return;
    }
    done(IDOK);
}

void InputDialog::reject() { done(IDCANCEL); }
