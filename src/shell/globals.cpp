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
bool GreenFirstPaint = true;

void resetGlobals() {
    PersonName = "Unnamed";
    SoundOn = true;
    firstwin = nullptr;
    mywin = nullptr;
    mon = nullptr;
    Word = nullptr;
    Client = nullptr;
    GreenFirstPaint = true;
    score.resetToStart();
    Settings::resetWriteFailureNotice();
}
