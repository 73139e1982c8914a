#include "support/shell_fixture.h"

#include "drill/mydialog.h"
#include "lesson/lessondialog.h"
#include "platform/art.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "shell/globals.h"

#include <QTextEdit>

using Dialogs = ShellTest;

TEST_F(Dialogs, HelpKeepsThePlanChooserAndEscapeChoosesNothing) {
    int chosen = 4;
    LessonDialog chooser(nullptr, &chosen);
    chooser.show();
    chooser.sendCommand(IDHELP);
    EXPECT_TRUE(chooser.isVisible());
    EXPECT_EQ(help.topics, std::vector<int>{45});
    chooser.reject();
    EXPECT_EQ(chosen, 4);
}

TEST_F(Dialogs, AnnouncementDrawsItsPictureStretchedOnTheLeft) {
    MyDialog d(nullptr, "LEVEL", "DO_1", "You went DOWN by 1 level(s).", "Bad Luck!", 33);
    EXPECT_EQ(qobject_cast<QTextEdit*>(d.control(10))->toPlainText(),
              "You went DOWN by 1 level(s).");
    d.show();
    const QImage shot = d.grab().toImage();
    const QRect r = MyDialog::pictureRect(d.size());
    EXPECT_EQ(r.left(), r.top()); // both from the width
    const QImage picture = Art::image("DO_1", r.size());
    const QPoint mid = r.center();
    EXPECT_EQ(shot.pixelColor(mid).rgb(), picture.pixelColor(mid - r.topLeft()).rgb());
    // The right half is not painted over.
    EXPECT_NE(shot.pixelColor(d.width() - 3, 3).rgb(), picture.pixelColor(r.width() - 1, 0).rgb());
    d.sendCommand(IDHELP);
    EXPECT_EQ(help.topics, std::vector<int>{33});
    d.reject(); // the close box ends it as OK does
    EXPECT_EQ(d.result(), IDOK);
}
