#include "support/shell_fixture.h"

#include "platform/help_window.h"
#include "platform/modal.h"
#include "shell/yesdialog.h"
#include "shell/ync.h"

#include <QTimer>
#include <QWindow>

using Prompts = ShellTest;

namespace {
struct ShownYnc : YNC {
    explicit ShownYnc(int topic = 30)
        : YNC(nullptr, "YesNoCancel", "Was it right?", "Ready?", topic, 0, 0) {
        Create();
        show();
    }
};
} // namespace

TEST_F(Prompts, HelpFromAModalPromptIsUsableAndThePromptStaysAnswerable) {
    setHelpBackend(nullptr); // the real help window
    Modal::setHook(nullptr);  // and the real modal loop
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
        EXPECT_TRUE(!helpWindow.isVisible() && prompt.isVisible());
        auto* edit = prompt.findChild<QLineEdit*>();
        edit->selectAll();
        QTest::keyClicks(edit, "Bert");
        QTest::mouseClick(qobject_cast<QPushButton*>(prompt.control(IDOK)), Qt::LeftButton);
        ran = true;
    });
    EXPECT_EQ(Modal::runModal(prompt), IDOK);
    EXPECT_TRUE(ran && result == "Bert");
    // A silent prompt still sounds its Help.
    EXPECT_EQ(sounds.played, QStringList{"sound/right.wav"});
    helpWindow.hide();
}

TEST_F(Prompts, YncAnswersItsKeysIgnoresTheCloseBoxAndKeepsOpenForHelp) {
    for (auto [key, result] : {std::pair{Qt::Key_Y, int(IDYES)}, {Qt::Key_Left, int(IDYES)},
                               {Qt::Key_N, int(IDNO)}, {Qt::Key_Right, int(IDNO)}, {Qt::Key_Q, 0}}) {
        ShownYnc ync;
        ync.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&ync));
        QTest::keyClick(&ync, key, key == Qt::Key_N ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(ync.modalResult(), result) << key;
    }
    ShownYnc ync(31);
    EXPECT_FALSE(ync.close());
    ync.commands.dispatch(IDHELP);
    EXPECT_TRUE(ync.isVisible() && help.topics == std::vector<int>{31});
}
