#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

// Checks the text of an input dialog when the user presses OK.
class InputValidator {
public:
    virtual ~InputValidator() = default;
    virtual bool IsValid(const QString& text) const = 0;
    // Tells the user why the text was refused.
    virtual void Error(QWidget* owner) = 0;
};

// An integer range check, minimum and maximum inclusive. The number is the leading part of the
// text as atol reads it (blanks, an optional sign, digits); a text without digits there fails.
class RangeValidator : public InputValidator {
public:
    RangeValidator(int min, int max) : min_(min), max_(max) {}
    bool IsValid(const QString& text) const override;
    void Error(QWidget* owner) override;

    int min() const { return min_; }
    int max() const { return max_; }

    // The leading number of the text, or false when it has none. Values beyond the range of
    // long are clamped, so they stay out of any int range.
    static bool leadingNumber(const QString& text, long& value);
    // The number as atol gives it: 0 when there is none.
    static long atolValue(const QString& text);

private:
    int min_;
    int max_;
};

// A one-line input: caption, prompt, an edit field holding at most maxChars characters, OK and
// Cancel. With a validator (owned by the caller), OK keeps the dialog open until the text passes
// the check.
class InputDialog : public QDialog {
    Q_OBJECT
public:
    InputDialog(QWidget* parent, const QString& caption, const QString& prompt,
                const QString& initialText, int maxChars, InputValidator* validator = nullptr);
    ~InputDialog() override;

    // Runs the dialog modally; IDOK or IDCANCEL (also what the modal run itself reports).
    int Execute();

    QString text() const;
    QString prompt() const;
    QLineEdit* edit() const { return edit_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    InputValidator* validator() const { return validator_; }

    // OK: closes with IDOK only when the validator accepts the text, so a refused value can be
    // corrected in place.
    void accept() override;
    // Cancel, Escape and the close box: IDCANCEL.
    void reject() override;

private:
    QLabel* prompt_;
    QLineEdit* edit_;
    QPushButton* ok_;
    QPushButton* cancel_;
    InputValidator* validator_;
};
