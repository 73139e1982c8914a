#include "support/shell_fixture.h"

#include "platform/message_box.h"
#include "platform/modal.h"
#include "shell/globals.h"
#include "shell/settings.h"
#include "shell/yesdialog.h"
#include "shell/ync.h"

#include <QLineEdit>
#include <QTest>

using Prompts = ShellTest;

TEST_F(Prompts, InputOkKeepsAtMost99CharactersAndCancelKeepsTheBuffer) {
    std::string result = "before";
    const QString longName(200, QChar('x'));
    {
        ModalScript script;
        script.type("Enter your first name", longName, IDOK);
        YesDialog d(nullptr, "INPUT_OK", "Unnamed", "Enter your first name", 35, &result, 100, true);
        EXPECT_EQ(Modal::runModal(d), IDOK);
    }
    EXPECT_EQ(result, std::string(99, 'x'));

    std::string kept = "Anna";
    {
        ModalScript script;
        script.type("Enter your first name", "Bert", IDCANCEL);
        YesDialog d(nullptr, "INPUT_OK", "Anna", "Enter your first name", 35, &kept, 100, true);
        EXPECT_EQ(Modal::runModal(d), IDCANCEL);
    }
    EXPECT_EQ(kept, "Anna");
    // The name prompt is silent.
    EXPECT_TRUE(sounds.played.isEmpty());
}

TEST_F(Prompts, SilentDialogStillSoundsOnHelpButNotWhenMuted) {
    YesDialog silent(nullptr, "INPUT_OK", "x", "Enter your first name", 35, nullptr, 0, true);
    silent.sendCommand(IDHELP);
    EXPECT_EQ(sounds.played, QStringList{"sound/right.wav"});
    EXPECT_EQ(help.topics, std::vector<int>{35});
    EXPECT_FALSE(silent.isVisible() && silent.result() != 0);

    sounds.played.clear();
    SoundOn = false;
    YesDialog loud(nullptr, "YESNO", "Question?", "Select Mode", 4, nullptr, 0, false);
    loud.sendCommand(IDHELP);
    loud.sendCommand(IDYES);
    EXPECT_TRUE(sounds.played.isEmpty());
    EXPECT_EQ(loud.result(), IDYES);
}

TEST_F(Prompts, YesNoButtonsSoundAndReturnTheirIds) {
    struct Case {
        int id;
        const char* sound;
    } cases[] = {{IDYES, "sound/right.wav"}, {IDNO, "sound/wrong.wav"}, {IDCANCEL, "sound/wrong.wav"}};
    for (const Case& c : cases) {
        sounds.played.clear();
        ModalScript script;
        script.answer("Select Mode", "Advanced mode?", c.id);
        YesDialog d(nullptr, "YESNO", "Do you want to run SkimSprinter in Advanced mode?",
                    "Select Mode", 4, nullptr, 0, false);
        EXPECT_EQ(Modal::runModal(d), c.id);
        EXPECT_EQ(sounds.played, QStringList{c.sound});
    }
}

TEST_F(Prompts, EscapeOnTheNamePromptCancels) {
    std::string result = "Anna";
    YesDialog d(nullptr, "INPUT_OK", "Anna", "Enter your first name", 35, &result, 100, true);
    d.show();
    d.findChild<QLineEdit*>()->setText("Zed");
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_EQ(d.result(), IDCANCEL);
    EXPECT_EQ(result, "Anna");
}

class YncTest : public ShellTest {
protected:
    int pressKey(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        YNC ync(nullptr, "YesNoCancel", "Was it right?", "Ready?", 30, 0, 0);
        ync.Create();
        ync.show();
        ync.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&ync));
        QTest::keyClick(&ync, key, mods);
        return ync.modalResult();
    }
};

TEST_F(YncTest, LetterAndArrowKeysAnswer) {
    EXPECT_EQ(pressKey(Qt::Key_Y), IDYES);
    EXPECT_EQ(pressKey(Qt::Key_Y, Qt::ShiftModifier), IDYES);
    EXPECT_EQ(pressKey(Qt::Key_Left), IDYES);
    EXPECT_EQ(pressKey(Qt::Key_N), IDNO);
    EXPECT_EQ(pressKey(Qt::Key_N, Qt::ShiftModifier), IDNO);
    EXPECT_EQ(pressKey(Qt::Key_Right), IDNO);
    EXPECT_EQ(pressKey(Qt::Key_Q), 0);
}

TEST_F(YncTest, CloseBoxIsIgnoredAndHelpKeepsThePromptOpen) {
    YNC ync(nullptr, "YesNoCancel", "Was it right?", "Ready?", 31, 0, 0);
    ync.Create();
    ync.show();
    EXPECT_FALSE(ync.close());
    EXPECT_TRUE(ync.isVisible());
    ync.commands.dispatch(IDHELP);
    EXPECT_TRUE(ync.isVisible());
    EXPECT_EQ(help.topics, std::vector<int>{31});
    ync.commands.dispatch(IDCANCEL);
    EXPECT_FALSE(ync.isVisible());
    EXPECT_EQ(ync.modalResult(), IDCANCEL);
    EXPECT_EQ(sounds.played, (QStringList{"sound/right.wav", "sound/wrong.wav"}));
}

TEST_F(YncTest, OpensBottomRightAndRemembersWhereItWasPut) {
    PersonName = "Dora";
    {
        YNC ync(nullptr, "YesNoCancel", "Was it right?", "Ready?", 30, 0, 0);
        ync.Create();
        // 1024 x 768 desktop, 438 x 230 prompt.
        EXPECT_EQ(ync.pos(), QPoint(566, 518));
        ync.show();
        ync.move(300, 200);
        EXPECT_EQ(iniInt("Dora", "YesNoCancelScreenX"), 300);
        EXPECT_EQ(iniInt("Dora", "YesNoCancelScreenY"), 200);
    }
    YNC again(nullptr, "YesNoCancel", "Again?", "Ready?", 30, 0, 0);
    again.Create();
    EXPECT_EQ(again.pos(), QPoint(300, 200));
}

TEST_F(Prompts, MessageBoxWithoutCaptionShowsTheProgramName) {
    ModalScript script;
    script.answer("SkimSprinter", "Hello", IDOK).answer("Quit?", "Sure?", IDNO);
    EXPECT_EQ(MessageBox(nullptr, "Hello", QString(), MB_OK), IDOK);
    EXPECT_EQ(MessageBox(nullptr, "Sure?", "Quit?", MB_YESNO), IDNO);
}
