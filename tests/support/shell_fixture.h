#pragma once

#include "support/seams.h"
#include "support/temp_state.h"

#include "lesson/activity_factory.h"
#include "lesson/lessonmonitor.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "shell/globals.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <memory>

// An activity window that reports Completed with its index when it closes, as
// the real ones do from their close query.
class TestActivityWindow : public QWidget {
public:
    TestActivityWindow(QWidget* parent, int activity, int reading, QString caption);
    int activity;
    int reading;

protected:
    void closeEvent(QCloseEvent* event) override;
};

// Opens test activity windows; the reading list answers reading 3.
class TestActivityFactory : public ActivityFactory {
public:
    TestActivityFactory() { setActivityFactory(this); }
    ~TestActivityFactory() override { setActivityFactory(nullptr); }
    int chooseReading(LessonMonitor*, QString& chosenLine, const QString& caption) override;
    QWidget* createActivity(int activity, LessonMonitor* monitor, int readingNumber,
                            const QString& caption) override;
    std::vector<QPointer<TestActivityWindow>> opened;
    TestActivityWindow* last() const { return opened.empty() ? nullptr : opened.back().data(); }
};

// Every shell test gets its own state directory, recorders for sound, help and
// exit, a 1024 x 768 desktop, and a clean set of program-wide objects.
class ShellTest : public ::testing::Test {
protected:
    ShellTest();
    ~ShellTest() override;

    QString ini(const char* section, const char* key, const char* def = "<none>") const;
    int iniInt(const char* section, const char* key, int def = -12345) const;
    static void put(const char* section, const char* key, const QString& value);
    // The prompts of a start up to the lesson plan: the name, the welcome, the plan; then, for a
    // new name, the new-user message and the mode question.
    void scriptOpening(const QString& typed, int planId, const QString& newUser = {}, int mode = IDNO);

    TempState state;
    SoundRecorder sounds;
    HelpRecorder help;
    TerminateRecorder terminated;
    FakeDesktop desktop{QRect(0, 0, 1024, 768)};
    ModalScript script; // answers the modal dialogs; an unexpected one fails the test
};
