#include "support/shell_fixture.h"

#include "drill/mydialog.h"
#include "lesson/lessondialog.h"
#include "platform/art.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "shell/globals.h"

#include <QTextEdit>

using Dialogs = ShellTest;

TEST_F(Dialogs, EachPlanButtonGivesItsPlanAndEndsTheChooser) {
    const int ids[] = {101, 102, 103, 104, 100};
    for (int plan = 0; plan < 5; ++plan) {
        int chosen = -1;
        LessonDialog chooser(nullptr, &chosen);
        EXPECT_EQ(chooser.windowTitle(), "Select a lesson plan");
        chooser.show();
        chooser.sendCommand(ids[plan]);
        EXPECT_EQ(chosen, plan);
        EXPECT_FALSE(chooser.isVisible());
    }
    EXPECT_EQ(sounds.count("sound/right.wav"), 5);
}

TEST_F(Dialogs, ChooserHelpStaysOpenAndEscapeLeavesThePlanAlone) {
    int chosen = 4;
    LessonDialog chooser(nullptr, &chosen);
    chooser.show();
    chooser.sendCommand(IDHELP);
    EXPECT_TRUE(chooser.isVisible());
    EXPECT_EQ(help.topics, std::vector<int>{45});
    chooser.reject();
    EXPECT_FALSE(chooser.isVisible());
    EXPECT_EQ(chosen, 4);
}

TEST_F(Dialogs, AnnouncementPictureRectangleAndButtons) {
    // Left and top both from the width; right half and two thirds down.
    EXPECT_EQ(MyDialog::pictureRect(QSize(400, 200)), QRect(QPoint(10, 10), QPoint(199, 133)));
    EXPECT_EQ(MyDialog::pictureRect(QSize(399, 100)), QRect(QPoint(9, 9), QPoint(198, 66)));

    MyDialog d(nullptr, "LEVEL", "UP_1", "You went UP by 2 level(s).  Click on OK to continue the drills.",
               "Well done!", 34);
    EXPECT_EQ(d.windowTitle(), "Well done!");
    auto* text = qobject_cast<QTextEdit*>(d.control(10));
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->toPlainText(), "You went UP by 2 level(s).  Click on OK to continue the drills.");
    d.show();
    d.sendCommand(IDHELP);
    EXPECT_EQ(help.topics, std::vector<int>{34});
    EXPECT_TRUE(d.isVisible());
    // The close box ends it as OK does.
    d.reject();
    EXPECT_EQ(d.result(), IDOK);
}

TEST_F(Dialogs, AnnouncementDrawsItsPictureStretchedOnTheLeft) {
    MyDialog d(nullptr, "LEVEL", "DO_1", "You went DOWN by 1 level(s).", "Bad Luck!", 33);
    d.show();
    const QImage shot = d.grab().toImage();
    const QRect r = MyDialog::pictureRect(d.size());
    const QImage picture = Art::image("DO_1", r.size());
    ASSERT_FALSE(picture.isNull());
    // The middle of the picture rectangle shows the picture's middle pixel.
    const QPoint mid = r.center();
    EXPECT_EQ(shot.pixelColor(mid).rgb(), picture.pixelColor(mid - r.topLeft()).rgb());
    // The right half is not painted over.
    EXPECT_NE(shot.pixelColor(d.width() - 3, 3).rgb(), picture.pixelColor(r.width() - 1, 0).rgb());
}
