#pragma once

class QWidget;

// The help viewer: opens the program's help at a context number or at its contents.
class HelpBackend {
public:
    virtual ~HelpBackend() = default;
    virtual void showTopic(int topic) = 0;  // topic < 0: the contents page
};

// Opening help never fails visibly; a missing page shows the contents.
void WinHelpTopic(const char* helpFile, int topic);
void WinHelpContents(const char* helpFile);

// Replaces the backend (not owned); nullptr restores the help window.
void setHelpBackend(HelpBackend* backend);
