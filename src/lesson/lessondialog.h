#pragma once

#include "platform/template_dialog.h"

// Asks at every start which lesson plan to follow in this run.
class LessonDialog : public TemplateDialog {
    Q_OBJECT
public:
    LessonDialog(QWidget* parent, int* planResult);

    void CMQuick() { choose(0); }
    void CMRevision() { choose(1); }
    void CMDetailed() { choose(2); }
    void CMWorks() { choose(3); }
    void CMNone() { choose(4); }
    void CMHelp();

private:
    void choose(int plan);
    int* planResult_;
};
