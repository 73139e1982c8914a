#pragma once

#include "platform/commands.h"

#include <QMap>
#include <string_view>
#include <vector>

class QAction;
class QMenuBar;

// A menu resource as a table: popups with items (text with '&', command id,
// initially checked or grey). Id 0 with empty text is a separator.
struct MenuItem {
    const char* text;
    int id;
    bool checked = false;
    bool grey = false;
};

struct MenuPopup {
    const char* text;
    std::vector<MenuItem> items;
};

const std::vector<MenuPopup>* findMenuTable(std::string_view name);

// Builds the menu bar; every item sends its id to `send`. Returns the actions by id.
QMap<int, QAction*> buildMenuBar(QMenuBar* bar, std::string_view name,
                                 const std::function<void(int)>& send);
