// The menu side of the drill window: level, speed and option commands, the
// check marks that mirror them, and the level graphs.
#include "drill/base.h"

#include "drill/mytrangevalidator.h"
#include "drill/score.h"
#include "graph/graphc.h"
#include "graph/stored_results.h"
#include "lesson/lesson.h"
#include "platform/input_dialog.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "shell/globals.h"
#include "shell/settings.h"
#include "shell/sounds.h"

#include <QAction>
#include <QMenuBar>

#include <algorithm>

void Base::Command(int id) {
    playSound("sound/menu.wav");
    commands.dispatch(id);
}

void Base::setChecked(int id, bool on) {
    if (QAction* a = menu_.value(id, nullptr)) {
        a->setCheckable(true);
        a->setChecked(on);
    }
}

void Base::ReCheckMenu() {
    setChecked(25, autoLevel != 0);
    setChecked(27, levelVariety != 0);
    setChecked(10, displayMs == 60);
    setChecked(11, displayMs == 45);
    setChecked(12, displayMs == 35);
    setChecked(13, displayMs == 25);
    setChecked(14, displayMs != 60 && displayMs != 45 && displayMs != 35 && displayMs != 25);
    setChecked(15, (options & 1) != 0);
    setChecked(39, lesson_ ? lesson_->Mute() : !SoundOn);
    setChecked(51, (options & 256) != 0);
    ReCheckDerivedMenus();
    menuBar()->update();
}

void Base::PlusN(int n) {
    targetNo += n;
    ShowScore();
    SaveTarget();
}

void Base::MinusN(int n) {
    targetNo = std::max(2, targetNo - n);
    ShowScore();
    SaveTarget();
}

void Base::CustomLevel() {
    MyTRangeValidator validator(1, 115);
    InputDialog dialog(this, QStringLiteral("Enter Level"),
                       QStringLiteral("Enter level of difficulty (5 is easy, 30 is hard)"),
                       QStringLiteral("5"), 3, &validator);
    if (Modal::runModal(dialog) != IDOK)
        return;
    targetNo = int(RangeValidator::atolValue(dialog.text()));
    ShowScore();
    SaveTarget();
}

void Base::SetSpeed(int ms) {
    displayMs = ms;
    ShowScore();
    ReCheckMenu();
    Settings::writeUserInt("TimesDisplayTimeMs", ms);
}

void Base::Custom() {
    QAction* item = menu_.value(14, nullptr);
    if (displayMs == 25 || displayMs == 35 || displayMs == 45 || displayMs == 60) {
        MyTRangeValidator validator(5, 1000);
        InputDialog dialog(this, QStringLiteral("Enter delay time"),
                           QStringLiteral("Enter a time in milliseconds (25 is fast, 60 is slow)"),
                           QStringLiteral("15"), 5, &validator);
        if (Modal::runModal(dialog) != IDOK)
            return;
        const QString typed = dialog.text();
        displayMs = int(RangeValidator::atolValue(typed));
        if (item)
            item->setText(QStringLiteral("C&ustom (%1 ms)").arg(typed));
        if (displayMs < 25)
            MessageBox(this,
                       QStringLiteral("Some monitors and video cards cannot display information "
                                      "this quickly.  If the image flickers or does not appear at "
                                      "all you may need to increase this value."),
                       QStringLiteral("Warning"), MB_OK);
        Settings::writeUserInt("TimesDisplayTimeMs", displayMs);
    } else {
        if (item)
            item->setText(QStringLiteral("C&ustom"));
        MessageBox(this, QStringLiteral("The delay time has reverted back to 25 mS"),
                   QStringLiteral("Custom time removed"), MB_OK);
        displayMs = 25;
        Settings::writeUserString("TimesDisplayTimeMs", QStringLiteral("25"));
    }
    ShowScore();
    ReCheckMenu();
}

void Base::CMAutoLevel() {
    autoLevel = autoLevel ? 0 : 1;
    Settings::writeUserInt("OtherAutoLevel", autoLevel);
    ReCheckMenu();
}

void Base::CMLevelVariety() {
    levelVariety = levelVariety ? 0 : 1;
    Settings::writeUserInt("OtherLevelVariety", levelVariety);
    ReCheckMenu();
}

void Base::L1() {
    toggle(options, 1);
    ReCheckMenu();
    sl();
}

void Base::L8() {
    if (lesson_)
        lesson_->MuteToggle();
    ReCheckMenu();
    sl();
}

void Base::ScreenUpdate() {
    bitBlit = bitBlit ? 0 : 1;
    Settings::writeUserInt("OtherBitBlit", bitBlit);
    ReCheckMenu();
}

void Base::sl() { Settings::writeUserInt("OtherLevel", options); }

void Base::CMDrillResults() {
    if (graphOpen)
        return;
    delete drillGraph;
    drillGraph = new GraphC(score.LevelHistory(), score.LevelsChangedVal(), this, "DrillGraph",
                            &graphOpen);
    drillGraph->setClosedHandler([this] { DrillsGraphClosed(); });
    drillGraph->Create();
    drillGraph->show();
}

void Base::DrillsGraphClosed() {
    GraphC* graph = drillGraph;
    drillGraph = nullptr;
    if (graph)
        graph->deleteLater();
}

void Base::CMPastDrillResults() {
    if (!DROK(this))
        return;
    runStoredGraph(this, "DrillScores", "DrillPastGraph");
}
