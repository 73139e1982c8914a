// The program's dialog templates. Rectangles are in dialog units of the template's font.
#include "platform/dialog_template.h"

#include <array>

namespace {

using K = ControlKind;

const std::array<DialogTemplate, 6> kTemplates = {{
    {"INPUT_OK", "", "Helv", 10, 50, 200, 180, 91, true,
     {
         {4090, K::Edit, "Input", 44, 24, 100, 12, CS_AUTOHSCROLL | CS_BORDER},
         {1, K::GlyphButton, "", 46, 64, 33, 21, CS_DEFAULT},
         {9, K::GlyphButton, "", 108, 64, 33, 21},
         {-1, K::Icon, "ICON_4", 12, 20, 16, 16},
         {-1, K::Icon, "ICON_4", 156, 20, 16, 16},
     }},
    {"YESNO", "", "Helv", 10, 50, 200, 219, 98, true,
     {
         {4090, K::Edit, "", 40, 18, 140, 42,
          CS_READONLY | CS_MULTILINE | CS_CENTER | CS_VSCROLL | CS_BORDER},
         {6, K::GlyphButton, "&Yes", 16, 72, 33, 21, CS_DEFAULT},
         {7, K::GlyphButton, "&No", 62, 72, 33, 21},
         {2, K::GlyphButton, "&Cancel", 126, 72, 33, 21},
         {9, K::GlyphButton, "&Help", 172, 72, 33, 21},
         {-1, K::Icon, "BRAIN", 11, 26, 14, 16},
         {-1, K::Icon, "PENCIL", 194, 26, 16, 16},
     }},
    {"LESSON", "Select a lesson plan", "System", 12, 0, 50, 135, 171, true,
     {
         {30, K::ShadedGroupBox, "", 10, 5, 110, 95},
         {101, K::PushButton, "Quick (10 minutes)", 20, 15, 90, 15},
         {102, K::PushButton, "Revision (20 minutes)", 20, 35, 90, 15},
         {103, K::PushButton, "Detailed (40 minutes)", 20, 55, 90, 15},
         {104, K::PushButton, "The Works (60 minutes)", 20, 75, 90, 15},
         {100, K::PushButton, "No Structured Lessons", 20, 110, 90, 15},
         {9, K::GlyphButton, "&Help", 45, 140, 33, 21},
         {-1, K::Icon, "BRAIN", 13, 145, 16, 16},
         {-1, K::Icon, "PENCIL", 95, 145, 16, 16},
     }},
    {"MONITOR", "", "Helv", 10, 0, 0, 164, 161, false,
     {
         {100, K::PushButton, "Drills", 50, 10, 70, 15},
         {101, K::PushButton, "Exercises", 50, 30, 70, 15},
         {102, K::PushButton, "Practice Readings 1", 50, 50, 70, 15},
         {103, K::PushButton, "Practice Readings 2", 50, 70, 70, 15},
         {104, K::PushButton, "Speed Test", 50, 90, 70, 15},
         {200, K::PushButton, "Graph", 125, 10, 30, 15},
         {201, K::PushButton, "Graph", 125, 90, 30, 15},
         {9, K::GlyphButton, "&Help", 40, 120, 33, 21},
         {3, K::GlyphButton, "&Quit", 90, 120, 33, 21},
         {-1, K::Icon, "PENCIL", 10, 125, 16, 16},
         {-1, K::Icon, "CHART", 140, 125, 16, 16},
     }},
    {"LEVEL", "", "Times New Roman", 12, 0, 0, 200, 109, false,
     {
         {1, K::GlyphButton, "", 60, 84, 29, 17, CS_DEFAULT},
         {9, K::GlyphButton, "", 112, 84, 29, 17},
         {-1, K::ShadedGroupBox, "", 0, 78, 204, 1},
         {10, K::Edit, "", 104, 4, 88, 68, CS_READONLY | CS_MULTILINE | CS_CENTER | CS_BORDER},
         {-1, K::Icon, "ICON_8", 12, 87, 14, 14},
         {-1, K::Icon, "ICON_9", 176, 86, 14, 13},
     }},
    {"READINGS", "", "Helv", 10, 20, 20, 230, 156, true,
     {
         {50, K::ListBox, "", 10, 40, 210, 87, CS_NOTIFY | CS_VSCROLL | CS_BORDER},
         {1, K::GlyphButton, "&OK", 52, 128, 33, 21, CS_DEFAULT},
         {2, K::GlyphButton, "&Cancel", 96, 128, 33, 21},
         {9, K::GlyphButton, "", 152, 128, 33, 21},
         {52, K::PushButton, "Use Text File", 34, 12, 52, 16},
         {51, K::RadioButton, "Basic", 150, 10, 32, 10},
         {53, K::RadioButton, "Advanced", 150, 20, 44, 10},
         {54, K::GroupBox, "", 144, 4, 54, 28},
         {-1, K::Icon, "BOOK_DISK", 10, 130, 16, 16},
         {-1, K::Icon, "SPRINT", 203, 130, 16, 16},
     }},
}};

} // namespace

const DialogTemplate* findDialogTemplate(std::string_view name) {
    for (const auto& t : kTemplates)
        if (name == t.name)
            return &t;
    return nullptr;
}
