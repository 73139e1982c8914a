#pragma once

#include <QString>

class QWidget;

// Message boxes with fixed texts and captions; results are the command ids
// 1 OK, 2 Cancel, 6 Yes, 7 No.
enum MessageBoxType : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_ICONSTOP = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONINFORMATION = 0x40,
};

enum CommandIds : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7, IDHELP = 9 };

// A null or empty caption gives the program's name, as boxes "without a caption of
// their own" show.
int MessageBox(QWidget* parent, const QString& text, const QString& caption, unsigned type = MB_OK);

// The program's name shown on boxes without a caption of their own.
QString defaultMessageCaption();
