#pragma once

#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/help.h"
#include "platform/sound.h"
#include "platform/terminate.h"

#include <QDate>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <deque>
#include <functional>
#include <vector>

// Records the sounds asked for, in order.
class SoundRecorder : public SoundBackend {
public:
    SoundRecorder() { setSoundBackend(this); }
    ~SoundRecorder() override { setSoundBackend(nullptr); }
    void play(const QString& name, bool synchronous) override {
        played.append(name);
        sync.push_back(synchronous);
    }
    QStringList played;
    std::vector<bool> sync;
};

// Records the help topics asked for (-1 for the contents page).
class HelpRecorder : public HelpBackend {
public:
    HelpRecorder() { setHelpBackend(this); }
    ~HelpRecorder() override { setHelpBackend(nullptr); }
    void showTopic(int topic) override { topics.push_back(topic); }
    std::vector<int> topics;
};

// A clock and calendar the test moves by hand.
class FakeClock : public ClockSource {
public:
    FakeClock() { setClockSource(this); }
    ~FakeClock() override { setClockSource(nullptr); }
    unsigned int milliseconds() override { return now; }
    QDate today() override { return date; }
    unsigned int now = 1000;
    QDate date = QDate(2026, 12, 6);
};

// Random numbers from a script, repeating the last one when it runs out.
class FakeRandom : public RandomSource {
public:
    FakeRandom() { setRandomSource(this); }
    ~FakeRandom() override { setRandomSource(nullptr); }
    int rand15() override { return ints.empty() ? 0 : take(ints); }
    long longRand() override { return longs.empty() ? 0 : take(longs); }
    std::deque<int> ints;
    std::deque<long> longs;

private:
    template <typename T> T take(std::deque<T>& q) {
        T v = q.front();
        if (q.size() > 1)
            q.pop_front();
        return v;
    }
};

// Records terminate(status) instead of ending the test run.
class TerminateRecorder {
public:
    TerminateRecorder() {
        setTerminateAction([this](int status) { statuses.push_back(status); });
    }
    ~TerminateRecorder() { setTerminateAction(nullptr); }
    std::vector<int> statuses;
};

// Fixes the desktop size.
class FakeDesktop {
public:
    explicit FakeDesktop(QRect rect) { setDesktopRectOverride(rect); }
    ~FakeDesktop() { setDesktopRectOverride(QRect()); }
};

// Scripts the answers of modal dialogs: each step receives the live window in
// turn. An unexpected dialog fails the test and is cancelled.
class ModalScript {
public:
    using Step = std::function<int(QWidget&)>;
    ModalScript();
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // Expects a window with this caption whose text contains `text`, and presses `id`.
    ModalScript& answer(const QString& caption, const QString& text, int id);
    // Expects a window with this caption, types into its edit field and presses `id`.
    ModalScript& type(const QString& caption, const QString& typed, int id);
    ModalScript& then(Step step);

    bool finished() const { return steps_.empty(); }

    static QString textOf(QWidget& w);
    // Presses the button with a command id and returns what the run reports.
    static int press(QWidget& w, int id);

private:
    std::deque<Step> steps_;
    std::function<int(QWidget&)> previous_;
};

// Closes and deletes every top-level window left open.
void closeAllTopLevels();
