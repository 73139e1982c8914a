#include "lesson/lessondialog.h"

#include "platform/help.h"
#include "shell/globals.h"
#include "shell/sounds.h"

LessonDialog::LessonDialog(QWidget* parent, int* planResult)
    : TemplateDialog(parent, "LESSON"), planResult_(planResult) {
    commands.add(101, [this] { CMQuick(); });
    commands.add(102, [this] { CMRevision(); });
    commands.add(103, [this] { CMDetailed(); });
    commands.add(104, [this] { CMWorks(); });
    commands.add(100, [this] { CMNone(); });
    commands.add(9, [this] { CMHelp(); });
}

void LessonDialog::choose(int plan) {
    playSound("sound/right.wav");
    if (planResult_)
        *planResult_ = plan;
    done(2);
}

void LessonDialog::CMHelp() {
    playSound("sound/right.wav");
    WinHelpTopic(helpfile, 45);
}
