#pragma once

#include "platform/input_dialog.h"

// The range check of the typed level and flash duration, with the program's own refusal box.
class MyTRangeValidator : public RangeValidator {
public:
    MyTRangeValidator(int min, int max) : RangeValidator(min, max) {}
    // "Must be between min and max", a stop box of its own (no owner), whatever the owner.
    void Error(QWidget* owner) override;
};
