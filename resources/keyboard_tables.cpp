// The program's keyboard tables.
#include "platform/keyboard_table.h"

#include <Qt>

const std::vector<AccelEntry>* findKeyboardTable(std::string_view name) {
    // Yes/No prompt: y, Y and Left answer Yes; n, N and Right answer No.
    static const std::vector<AccelEntry> accs = {
        {Qt::Key_Y, Qt::NoModifier, 6},   {Qt::Key_Y, Qt::ShiftModifier, 6},
        {Qt::Key_Left, Qt::NoModifier, 6}, {Qt::Key_N, Qt::NoModifier, 7},
        {Qt::Key_N, Qt::ShiftModifier, 7}, {Qt::Key_Right, Qt::NoModifier, 7},
    };
    if (name == "ACCS")
        return &accs;
    return nullptr;
}
