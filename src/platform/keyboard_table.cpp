#include "platform/keyboard_table.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

void installKeyboardTable(QWidget* window, std::string_view name, const CommandTable& commands) {
    const std::vector<AccelEntry>* table = findKeyboardTable(name);
    if (!table)
        return;
    for (const AccelEntry& e : *table) {
        auto* shortcut = new QShortcut(QKeySequence(e.key | e.modifiers), window);
        shortcut->setContext(Qt::WindowShortcut);
        const int id = e.command;
        QObject::connect(shortcut, &QShortcut::activated, window,
                         [&commands, id] { commands.dispatch(id); });
    }
}
