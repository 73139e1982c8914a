#pragma once

#include <string_view>
#include <vector>

// Dialog templates as tables: controls with ids, texts and rectangles in dialog units.
enum class ControlKind {
    PushButton,
    GlyphButton,   // shows the standard picture (and caption when empty) for ids 1, 2, 6, 7, 9
    Edit,
    Icon,          // text names the artwork
    ShadedGroupBox,
    GroupBox,
    ListBox,
    RadioButton,
    CheckBox,
};

enum ControlStyle : unsigned {
    CS_NONE = 0,
    CS_DEFAULT = 1 << 0,
    CS_READONLY = 1 << 1,
    CS_MULTILINE = 1 << 2,
    CS_CENTER = 1 << 3,
    CS_VSCROLL = 1 << 4,
    CS_BORDER = 1 << 5,
    CS_AUTOHSCROLL = 1 << 6,
    CS_NOTIFY = 1 << 7,
};

struct ControlTemplate {
    int id; // -1 for controls without an id
    ControlKind kind;
    const char* text;
    int x, y, w, h;
    unsigned style = CS_NONE;
};

struct DialogTemplate {
    const char* name;
    const char* caption;
    const char* fontFamily; // the template's face; mapped to an installed face with its metrics
    int pointSize;
    int x, y, w, h;
    bool systemMenu;
    std::vector<ControlTemplate> controls;
};

// The program's templates ("INPUT_OK", "YESNO", "LESSON", "MONITOR", "LEVEL", ...), or nullptr.
const DialogTemplate* findDialogTemplate(std::string_view name);
