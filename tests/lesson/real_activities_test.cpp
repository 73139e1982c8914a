#include "support/shell_fixture.h"

#include "drill/myframewindow.h"
#include "graph/graphc.h"
#include "platform/locations.h"
#include "shell/monwindow.h"
#include "shell/tdotsapp.h"


// The program as it starts, with its own activity windows and data tree.
class RealActivities : public ShellTest {
protected:
    // Plan 4 for a new user "Pia" in basic mode; the monitor is up afterwards.
    void start() {
        scriptOpening("Pia", 100, "Pia");
        app.InitMainWindow();
        app.CreateWindows();
        ASSERT_TRUE(script.finished());
    }

    // The Drills button, then six right answers: the level rises from 2 to 5 and the
    // graph of the current drills opens; the next drill is on its way.
    void drillUpThreeLevels() {
        script.answer("SkimSprinter", "SkimSprinter will flash one or more words", IDOK);
        mon->sendCommand(100);
        ASSERT_TRUE(script.finished());
        drills = qobject_cast<MyFrameWindow*>(Word);
        ASSERT_NE(drills, nullptr);
        drills->Command(48);
        for (int i = 0; i < 6; ++i) {
            script.then([this](QWidget& w) {
                w.findChild<QLineEdit*>()->setText(drills->displayText);
                return ModalScript::press(w, IDOK);
            });
            drills->EvTimer(4);
            drills->EvTimer(5);
            if (i == 5) { // the rise comes with the sixth answer
                script.answer("Well done!", "", IDOK);
                script.answer("Your Progress graph", "", IDOK);
                script.answer("SkimSprinter", "Press \"OK\" to continue the exercises", IDOK);
            }
            drills->EvTimer(1);
        }
        ASSERT_TRUE(script.finished());
        EXPECT_EQ(drills->targetNo, 5);
        graph = drills->drillGraph;
        ASSERT_TRUE(graph && graph->isVisible());
    }

    void quit() {
        script.answer("SkimSprinter", "You have used SkimSprinter for ", IDOK);
        mon->sendCommand(3);
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(terminated.statuses, std::vector<int>{0});
    }

    QStringList scoreLines(const char* file) const {
        const QByteArray text = readFile(Locations::scoreDir() + "/" + file);
        return QString::fromLatin1(text).split('\n', Qt::SkipEmptyParts);
    }

    TDotsApp app;
    FakeClock clock;
    FakeRandom random;
    QPointer<MyFrameWindow> drills;
    QPointer<GraphC> graph;
};

TEST_F(RealActivities, QuitWithTheDrillWindowOpenRecordsTheRun) {
    start();
    EXPECT_TRUE(iniInt("Pia", "Used") == 1 && mon->modeLabel()->text() == "Basic mode");
    // Showing the monitor where it opens by default is not a place the user chose.
    EXPECT_EQ(mywin->pos(), QPoint(10, 84));
    EXPECT_EQ(ini("Pia", "MonitorWindowScreenX").toStdString(), "<none>");
    drillUpThreeLevels();
    // Asked to leave the drills for the Exercises, the user stays: the drills go on undisturbed.
    script.answer("Quit?", "Are you sure you want to quit the Drills", IDNO);
    mon->sendCommand(101);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(mon->currentActivity, 0);
    EXPECT_TRUE(drills->timerActive(4));
    quit();
    // One line in each score file and one level in the list.
    const long day = QDate(2026, 12, 6).toJulianDay();
    EXPECT_EQ(scoreLines("dot_sco.dat"), QStringList{QString("JulDay %1, Max Number 5").arg(day)});
    EXPECT_EQ(scoreLines("dot_sc2.dat"), QStringList{QString("%1\t5").arg(day)});
    EXPECT_EQ(ini("Pia", "DrillScores").trimmed().toStdString(), "5");
    EXPECT_TRUE(mon->activityDone[0]);
    EXPECT_TRUE(drills.isNull() && graph.isNull()); // deleted before the end
}
