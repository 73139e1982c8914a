#pragma once

#include "platform/commands.h"

#include <string_view>
#include <vector>

class QWidget;

// A keyboard table: keys that send command ids to a window.
struct AccelEntry {
    int key;       // Qt::Key
    int modifiers; // Qt::KeyboardModifiers
    int command;
};

const std::vector<AccelEntry>* findKeyboardTable(std::string_view name);

// Installs the table's keys on a window; each sends its command through the table.
void installKeyboardTable(QWidget* window, std::string_view name, const CommandTable& commands);
