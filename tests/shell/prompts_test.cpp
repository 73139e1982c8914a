#include "support/shell_fixture.h"

#include "lesson/lessondialog.h"
#include "platform/help.h"
#include "platform/help_window.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "shell/globals.h"
#include "shell/settings.h"
#include "shell/yesdialog.h"
#include "shell/ync.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

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

TEST_F(Prompts, HelpFromAModalPromptIsUsableAndThePromptStaysAnswerable) {
    setHelpBackend(nullptr); // the real help window
    HelpWindow& helpWindow = HelpWindow::instance();
    std::string result = "Anna";
    YesDialog prompt(nullptr, "INPUT_OK", "Anna", "Enter your first name", 35, &result, 100, true);
    bool ran = false;
    QTimer::singleShot(0, &prompt, [&] {
        QTest::mouseClick(qobject_cast<QPushButton*>(prompt.control(IDHELP)), Qt::LeftButton);
        ASSERT_TRUE(helpWindow.isVisible());
        EXPECT_TRUE(helpWindow.currentPage().endsWith("topic35.html"));
        // Kept above the prompt, and so above the workspace the prompt sits on.
        EXPECT_EQ(helpWindow.windowHandle()->transientParent(), prompt.windowHandle());
        // The prompt's modality does not block it: its buttons and keys work.
        QTest::mouseClick(helpWindow.findChild<QPushButton*>(), Qt::LeftButton);
        EXPECT_TRUE(helpWindow.currentPage().endsWith("contents.html"));
        QTest::keyClick(&helpWindow, Qt::Key_Escape);
        EXPECT_FALSE(helpWindow.isVisible());
        // The prompt is still open and takes its answer.
        EXPECT_TRUE(prompt.isVisible());
        auto* edit = prompt.findChild<QLineEdit*>();
        edit->selectAll();
        QTest::keyClicks(edit, "Bert");
        QTest::mouseClick(qobject_cast<QPushButton*>(prompt.control(IDOK)), Qt::LeftButton);
        ran = true;
    });
    EXPECT_EQ(Modal::runModal(prompt), IDOK);
    EXPECT_TRUE(ran);
    EXPECT_EQ(result, "Bert");
    // A silent prompt still sounds its Help.
    EXPECT_EQ(sounds.played, QStringList{"sound/right.wav"});
    helpWindow.hide();
}

TEST_F(Prompts, AFocusedButtonTakesReturn) {
    int chosen = 4;
    LessonDialog chooser(nullptr, &chosen);
    chooser.show();
    QWidget* revision = chooser.control(102);
    revision->setFocus();
    QTest::keyClick(revision, Qt::Key_Return);
    EXPECT_EQ(chosen, 1);
    EXPECT_FALSE(chooser.isVisible());

    YNC ync(nullptr, "YesNoCancel", "Was it right?", "Ready?", 30, 0, 0);
    ync.Create();
    ync.show();
    for (auto* b : ync.findChildren<QPushButton*>())
        if (b->property("controlId").toInt() == IDNO) {
            b->setFocus();
            QTest::keyClick(b, Qt::Key_Return);
        }
    EXPECT_EQ(ync.modalResult(), IDNO);
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
        // 1024 x 768 desktop, 438 x 230 prompt, frame included.
        EXPECT_EQ(ync.pos(), QPoint(566, 518));
        ync.show();
        EXPECT_EQ(ync.frameGeometry(), QRect(566, 518, 438, 230));
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
