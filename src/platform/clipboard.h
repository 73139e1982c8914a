#pragma once

#include <QString>

// What the system clipboard holds as text: plain text and HTML, either may be empty.
struct ClipboardText {
    QString plain;
    QString html;
};

ClipboardText clipboardText();
