#include "reading_fixture.h"

#include "reading/pace_schedule.h"
#include "reading/pace_text.h"
#include "reading/pacer.h"
#include "reading/pacerdialog.h"

#include <QSpinBox>

namespace {

// A text of steps with fixed weights.
class StepText : public PacedText {
public:
    explicit StepText(std::vector<double> w) : weights(std::move(w)) {}
    double pacedChars() const override { return chars; }
    double nextStepChars() const override { return taken < weights.size() ? weights[taken] : 1; }
    void takeStep() override { chars += weights[taken++]; }
    bool atEnd() const override { return taken >= weights.size(); }
    std::vector<double> weights;
    size_t taken = 0;
    double chars = 0;
};

// 40 lines of 50 characters (line feeds included), 16 steps a line: 2,000
// characters in steps of 3.125 characters, 125 ms each at 300 wpm.
std::vector<double> twoThousandCharacters() {
    return std::vector<double>(40 * 16, 50 / 16.0);
}

struct PacedRun {
    double pacedEnd = -1;
    unsigned wallEnd = 0;
    int targetAtEnd = 0;
};

// Ticks the pacer every tickMs of the fake clock until it finishes; `during` sees
// each tick's paced time before the tick.
PacedRun runToTheEnd(FakeClock& clock, int wpm, int raise, int tickMs,
                     const std::function<void(Pacer&, double)>& during = {}) {
    StepText text(twoThousandCharacters());
    Pacer pacer(text);
    PacedRun run;
    pacer.onFinished = [&] {
        run.pacedEnd = pacer.pacedMs();
        run.wallEnd = clock.now;
        run.targetAtEnd = pacer.target();
    };
    const unsigned start = clock.now;
    pacer.start(wpm, raise);
    while (pacer.running() && clock.now - start < 3'600'000) {
        clock.now += tickMs;
        if (during) during(pacer, pacer.pacedMs());
        pacer.tick();
    }
    run.wallEnd -= start;
    return run;
}

} // namespace

TEST(Pacer, EndsOnTheScheduleWithinOneStep) {
    FakeClock clock;
    bool pressed = false;
    // Speed, raise a minute, tick, what happens on the way; the end paced and on the clock, the
    // target then.
    const std::tuple<const char*, int, int, int, std::function<void(Pacer&, double)>, double, unsigned, int>
        cases[] = {
        {"late ticks catch up", 300, 0, 700, {}, 80000, 80000, 300},
        {"raised by 20 a minute", 300, 20, 5, {}, 78750, 78750, 320},
        {"ten presses at 40 s", 300, 0, 5,
         [&](Pacer& p, double paced) {
             if (!pressed && paced >= 40000) {
                 pressed = true;
                 for (int i = 0; i < 10; ++i)
                     p.changeTarget(kPaceKeyStep);
             }
         },
         70000, 70000, 400},
    };
    for (const auto& [what, wpm, raise, tickMs, during, pacedEnd, wallEnd, target] : cases) {
        SCOPED_TRACE(what);
        const PacedRun run = runToTheEnd(clock, wpm, raise, tickMs, during);
        // One step is 125 ms at 300 wpm; a late tick ends at that tick.
        EXPECT_NEAR(run.pacedEnd, pacedEnd, std::max(125, tickMs));
        EXPECT_NEAR(double(run.wallEnd), double(wallEnd), std::max(125, tickMs));
        EXPECT_EQ(run.targetAtEnd, target);
    }
}

// Captions, the whole summary and the keys are checked in the paced reading window.
TEST(PaceText, AnEmptyTextOrAStopAtOnceHasNoSpeed) {
    EXPECT_TRUE(pacedSummary(0, 0, 250).contains("Average speed: 0.00 words"));
    // An empty line's weight paced in 40 ms.
    EXPECT_TRUE(pacedSummary(1, 40, 1500)
                    .contains("Words read: 0\nTime paced: 0:00\nAverage speed: 0.00 words"));
    EXPECT_TRUE(pacedSummary(5000, 60000, 1000).contains("Average speed: 1000.00 words"));
}

class PacerDialogTest : public ShellTest {
protected:
    PacerDialogTest() { PersonName = "Ann"; }
};

TEST_F(PacerDialogTest, OpensWithStoredValuesInRangeOrTheSpeedTestDefault) {
    // Stored speed, raise and scores; the target and raise shown.
    const std::tuple<const char*, const char*, const char*, int, int> cases[] = {
        {"", "", "", 250, 0}, {"", "", " 200.00 215.35", 240, 0}, // 236.9
        {"", "", " 2000.00", 1500, 0}, {"0", "-3", " 200.00", 50, 0},
        {"99999", "500", "", 1500, 50}, {"255", "7", "", 260, 7},
    };
    for (const auto& [speed, raise, scores, target, raiseShown] : cases) {
        put("Ann", "PacerSpeed", speed);
        put("Ann", "PacerRaise", raise);
        put("Ann", "SpeedTestScores", scores);
        EXPECT_EQ(std::pair(PacerDialog::storedTarget(), PacerDialog::storedRaise()),
                  std::pair(target, raiseShown)) << speed << " / " << scores;
    }
}

TEST_F(PacerDialogTest, OkStoresTheValuesCancelKeepsThem) {
    put("Ann", "PacerSpeed", "300");
    script.then([](QWidget& w) {
        auto* d = qobject_cast<PacerDialog*>(&w);
        if (!d) return 0;
        EXPECT_EQ(d->targetBox()->value(), 300);
        d->targetBox()->setValue(420);
        d->raiseBox()->setValue(15);
        return ModalScript::press(w, 1);
    });
    int target = 0, raise = 0;
    EXPECT_TRUE(PacerDialog::ask(nullptr, target, raise));
    EXPECT_TRUE(target == 420 && raise == 15);
    EXPECT_EQ(ini("Ann", "PacerSpeed") + " " + ini("Ann", "PacerRaise"), "420 15");

    script.then([](QWidget& w) {
        qobject_cast<PacerDialog*>(&w)->targetBox()->setValue(900);
        return ModalScript::press(w, 2);
    });
    EXPECT_FALSE(PacerDialog::ask(nullptr, target, raise));
    EXPECT_EQ(ini("Ann", "PacerSpeed"), "420");
    EXPECT_TRUE(script.finished());
}
