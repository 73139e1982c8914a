#include "shell/globals.h"

#include "drill/score.h"
#include "shell/settings.h"

std::string PersonName = "Unnamed";
const char* const ProfileName = "ssv20.ini";
const char* const helpfile = "sprint.hlp";
bool SoundOn = true;

FirstWindow* firstwin = nullptr;
MonWindow* mywin = nullptr;
LessonMonitor* mon = nullptr;
QWidget* Word = nullptr;
QWidget* Client = nullptr;
ReadingHost* win = nullptr;
QWidget* hwin = nullptr;
int PaintLock = 0;
int SizeLock = 0;
bool GreenFirstPaint = true;

void resetGlobals() {
    PersonName = "Unnamed";
    SoundOn = true;
    firstwin = nullptr;
    mywin = nullptr;
    mon = nullptr;
    Word = nullptr;
    Client = nullptr;
    win = nullptr;
    hwin = nullptr;
    PaintLock = 0;
    SizeLock = 0;
    GreenFirstPaint = true;
    score.resetToStart();
    Settings::resetWriteFailureNotice();
}
