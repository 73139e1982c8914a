#include "platform/menu_table.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

QMap<int, QAction*> buildMenuBar(QMenuBar* bar, std::string_view name,
                                 const std::function<void(int)>& send) {
    QMap<int, QAction*> actions;
    const std::vector<MenuPopup>* table = findMenuTable(name);
    if (!table)
        return actions;
    for (const MenuPopup& popup : *table) {
        QMenu* menu = bar->addMenu(QString::fromLatin1(popup.text));
        for (const MenuItem& item : popup.items) {
            if (item.id == 0) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(QString::fromLatin1(item.text));
            action->setCheckable(item.checked);
            action->setChecked(item.checked);
            action->setEnabled(!item.grey);
            const int id = item.id;
            QObject::connect(action, &QAction::triggered, bar, [send, id, action] {
                // Check marks follow the program's state, not the click.
                if (action->isCheckable())
                    action->setChecked(!action->isChecked());
                send(id);
            });
            actions.insert(id, action);
        }
    }
    return actions;
}
