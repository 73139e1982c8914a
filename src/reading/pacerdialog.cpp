#include "reading/pacerdialog.h"

#include "graph/stored_results.h"
#include "platform/help.h"
#include "platform/modal.h"
#include "reading/pace_schedule.h"
#include "reading/pace_text.h"
#include "shell/globals.h"
#include "shell/settings.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr const char* kSpeedKey = "PacerSpeed";
constexpr const char* kRaiseKey = "PacerRaise";

bool stored(const char* key) {
    return !Settings::userString(key, "", 32).trimmed().isEmpty();
}

} // namespace

PacerDialog::PacerDialog(QWidget* parent, int target, int raise) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Pacer"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    target_ = new QSpinBox(this);
    target_->setRange(kPaceMinWpm, kPaceMaxWpm);
    target_->setSingleStep(10);
    target_->setValue(clampPacerSpeed(target));
    raise_ = new QSpinBox(this);
    raise_->setRange(0, kPaceMaxRaise);
    raise_->setValue(clampPacerRaise(raise));
    form->addRow(QStringLiteral("&Target speed (words per minute):"), target_);
    form->addRow(QStringLiteral("&Raise it every minute by:"), raise_);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [] { WinHelpTopic(helpfile, kHelpTopic); });
    layout->addWidget(buttons);
}

int PacerDialog::target() const {
    // A value typed between the steps is still a speed the pacer can use.
    return clampPacerSpeed(target_->value());
}

int PacerDialog::raise() const {
    return raise_->value();
}

int PacerDialog::storedTarget() {
    if (stored(kSpeedKey)) return clampPacerSpeed(Settings::userInt(kSpeedKey, 0));
    return pacerDefaultSpeed(storedValues("SpeedTestScores"));
}

int PacerDialog::storedRaise() {
    return clampPacerRaise(Settings::userInt(kRaiseKey, 0));
}

bool PacerDialog::ask(QWidget* parent, int& target, int& raise) {
    PacerDialog dialog(parent, storedTarget(), storedRaise());
    if (Modal::runModal(dialog) != QDialog::Accepted) return false;
    target = dialog.target();
    raise = dialog.raise();
    Settings::writeUserInt(kSpeedKey, target);
    Settings::writeUserInt(kRaiseKey, raise);
    return true;
}
