#pragma once

#include <QDialog>

class QSpinBox;

// "Pacer": the target speed and the raise a minute of a paced run. Both are
// remembered for the user ("PacerSpeed", "PacerRaise").
class PacerDialog : public QDialog {
    Q_OBJECT
public:
    PacerDialog(QWidget* parent, int target, int raise);

    int target() const;
    int raise() const;
    QSpinBox* targetBox() const { return target_; }
    QSpinBox* raiseBox() const { return raise_; }

    // Runs the dialog with the user's values; on OK stores and returns them.
    static bool ask(QWidget* parent, int& target, int& raise);
    // The values the dialog opens with: the stored ones kept in range, else the defaults.
    static int storedTarget();
    static int storedRaise();

    // Help topic of the dialog.
    static constexpr int kHelpTopic = 201;

private:
    QSpinBox* target_;
    QSpinBox* raise_;
};
