#include "support/shell_fixture.h"

#include "platform/locations.h"
#include "shell/firstwindow.h"
#include "shell/monwindow.h"
#include "shell/tdotsapp.h"

#include <QMessageBox>

class Startup : public ShellTest {
protected:
    void start() {
        app.InitMainWindow();
        app.CreateWindows();
    }
    TDotsApp app;
    TestActivityFactory activities;
};

TEST_F(Startup, ReturningUserSwitchesSectionsAndIsOfferedNextTime) {
    state.writeIni("[AllUsers]\nLastUserName=Hana\n[Ivo]\nUsed=2\nLevelAdvanced=1\n"
                   "MonitorWindowScreenX=120\nMonitorWindowScreenY=90\nMuted=1\n");
    script.then([](QWidget& w) {
        EXPECT_EQ(w.findChild<QLineEdit*>()->text(), "Hana");
        w.findChild<QLineEdit*>()->setText("ivo"); // sections ignore letter case
        return ModalScript::press(w, IDOK);
    });
    script.answer("Welcome to SkimSprinter", "", IDOK);
    script.then([](QWidget& w) { return ModalScript::press(w, 104); }); // The Works
    script.answer("Lesson Prompt", "Time to do the Drills", IDCANCEL);
    start();
    EXPECT_EQ(ini("AllUsers", "LastUserName"), "ivo");
    EXPECT_EQ(iniInt("Ivo", "Used"), 3);
    EXPECT_EQ(mon->NumbDrills(), 350);
    EXPECT_EQ(mon->modeLabel()->text(), "Advanced mode");
    EXPECT_EQ(mywin->pos(), QPoint(120, 90));
    EXPECT_TRUE(mon->Mute() && !sounds.played.contains("sound/start.wav"));
}

TEST_F(Startup, NamesAreMadeSafeForTheSettingsFile) {
    const std::pair<QString, std::string> cases[] = {
        {"   ", "Unnamed"},   {"  Lea  ", "Lea"}, {"[Ma]x=", "Max"},
        {"Pe\nter", "Peter"}, {";Quin", "Quin"},  {QString(200, 'r'), std::string(99, 'r')}};
    for (const auto& [typed, stored] : cases) {
        const bool isNew = iniInt(stored.c_str(), "Used", 0) == 0;
        scriptOpening(typed, 100, isNew ? QString::fromStdString(stored) : "", IDYES);
        TDotsApp one;
        one.InitMainWindow();
        one.CreateWindows();
        EXPECT_EQ(PersonName, stored) << typed.toStdString();
        EXPECT_EQ(ini("AllUsers", "LastUserName").toStdString(), stored);
        closeAllTopLevels();
    }
}

TEST_F(Startup, AnIncompleteDataTreeEndsTheRunBeforeTheNamePrompt) {
    QTemporaryDir empty;
    Locations::setDataDirOverride(empty.path());
    script.then([&](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "SkimSprinter cannot start");
        const QString text = ModalScript::textOf(w);
        EXPECT_TRUE(text.contains(empty.path())) << text.toStdString();
        EXPECT_TRUE(text.contains("pr_bas.dat") && text.contains("help/contents.html"));
        EXPECT_EQ(qobject_cast<QMessageBox*>(&w)->icon(), QMessageBox::Critical);
        return ModalScript::press(w, IDOK);
    });
    app.InitMainWindow();
    EXPECT_TRUE(script.finished());
    Locations::setDataDirOverride({});
    EXPECT_TRUE(terminated.statuses == std::vector<int>{1} && firstwin == nullptr);
    EXPECT_EQ(ini("AllUsers", "LastUserName"), "<none>");
}
