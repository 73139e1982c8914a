#pragma once

#include <string>

class FirstWindow;
class MonWindow;
class LessonMonitor;
class QWidget;
class ReadingHost;

// Program-wide state, created at start-up or by the window that owns it.
// Tests call resetGlobals() between cases. The drill score `score` lives in
// drill/score.h and is reset here too.

// The current user's first name: the section of every per-user key (at most 99 characters).
extern std::string PersonName;
// The settings file, named by its bare name and resolved in the state directory.
extern const char* const ProfileName;
// The help file passed to the help viewer.
extern const char* const helpfile;
// The sound gate of MyPlaySound.
extern bool SoundOn;

extern FirstWindow* firstwin;
extern MonWindow* mywin;
extern LessonMonitor* mon;
// The drill window last created and its flash area.
extern QWidget* Word;
extern QWidget* Client;

// The current reading window as its text box sees it, and the window it draws in.
extern ReadingHost* win;
extern QWidget* hwin;
// Set while a scroll step presents the page: paint requests then redraw nothing.
extern int PaintLock;
// Set while the text box resizes its window: the size handler leaves the box alone.
extern int SizeLock;

// The first title screen drawn by a paint plays its sound; later paints do not.
extern bool GreenFirstPaint;

// Longest first name kept (the 100-byte buffer of the name with its terminator).
constexpr int kMaxNameLength = 99;

void resetGlobals();
