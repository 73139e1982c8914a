#include "support/shell_fixture.h"

#include "platform/art.h"
#include "platform/modal.h"
#include "platform/profile.h"
#include "shell/blockwindow.h"
#include "shell/firstwindow.h"
#include "shell/globals.h"
#include "shell/swindow.h"

#include <QColorDialog>

using Windows = ShellTest;

namespace {
QPoint defaultPos(const char* name, QSize size) {
    SWindow w(nullptr, "t", name);
    w.resize(size);
    int x = 0, y = 0;
    w.DefaultPos(x, y);
    return {x, y};
}
} // namespace

TEST_F(Windows, DefaultPositionsByName) {
    // Desktop 1024 x 768: Dw = 1004, Dh = 748; no lesson monitor, so m = 0.
    EXPECT_EQ(defaultPos("YesNoCancel", {438, 230}), QPoint(566, 518));
    EXPECT_EQ(defaultPos("DrillGraph", {400, 300}), QPoint(20, 448));
    EXPECT_EQ(defaultPos("SpeedGraph", {400, 300}), QPoint(20, 448));
    EXPECT_EQ(defaultPos("DrillPastGraph", {400, 300}), QPoint(400, 448));
    EXPECT_EQ(defaultPos("MonitorWindow", {287, 330}), QPoint(10, 84));
    EXPECT_EQ(defaultPos("Something", {100, 100}), QPoint(50, 50));
    // Centred right of the monitor's width, a third of the way down: (1004 - 490) / 2 = 257.
    EXPECT_EQ(defaultPos("Readings", {490, 350}), QPoint(257, 132));
    // Never off the right edge: min(1004 - 990, (1004 - 990) / 2) = 7.
    EXPECT_EQ(defaultPos("SpeedTest", {990, 350}), QPoint(7, 132));
    // Wider than the desktop: the right-edge bound (1004 - 1200) wins over the centre.
    EXPECT_EQ(defaultPos("Exercise", {1200, 351}), QPoint(-196, 132));
}

TEST_F(Windows, OnlyOneStoredCoordinateMeansTheDefaultForBoth) {
    PersonName = "Eve";
    WritePrivateProfileString("Eve", "DrillGraphScreenX", "333", ProfileName);
    SWindow w(nullptr, "Graph", "DrillGraph");
    w.resize(400, 300);
    w.Create();
    EXPECT_EQ(w.pos(), QPoint(20, 448));
}

TEST_F(Windows, StoredPositionOffEveryScreenGivesTheDefaultAndMovesAreWrittenAtOnce) {
    PersonName = "Eve";
    const QPoint byDefault(20, 448); // 400 x 300 on the 1024 x 768 desktop
    const struct {
        const char *x, *y;
        QPoint expected;
    } cases[] = {
        {"5000", "-300", byDefault}, {"-5000", "100", byDefault}, {"10", "31073", byDefault},
        {"990", "100", byDefault},  // only 34 pixels of the corner on the screen
        {"984", "728", {984, 728}}, // exactly 40 x 40
        {"0", "0", {0, 0}},
    };
    for (const auto& c : cases) {
        WritePrivateProfileString("eve", "speedgraphscreenx", c.x, ProfileName);
        WritePrivateProfileString("EVE", "SpeedGraphScreenY", c.y, ProfileName);
        SWindow w(nullptr, "Graph", "SpeedGraph");
        w.resize(400, 300);
        w.Create();
        EXPECT_EQ(w.pos(), c.expected) << c.x << "," << c.y;
    }
    SWindow w(nullptr, "Graph", "SpeedGraph");
    w.Create();
    w.show();
    w.move(40, 60);
    EXPECT_EQ(iniInt("Eve", "SpeedGraphScreenX"), 40);
    EXPECT_EQ(iniInt("Eve", "SpeedGraphScreenY"), 60);
    // Another user's section is untouched.
    EXPECT_EQ(iniInt("Fay", "SpeedGraphScreenX"), -12345);
}

TEST_F(Windows, MainWindowAndWorkspaceUseTheSmallIconAtSixteenPixels) {
    FirstWindow first;
    BlockWindow workspace(&first);
    first.SetupWindow();
    workspace.SetupWindow();
    auto rendered = [](const QIcon& icon, int side) {
        return icon.pixmap(side, side).toImage().convertToFormat(QImage::Format_ARGB32);
    };
    auto art = [](const char* name, int side) {
        return Art::image(name, QSize(side, side)).convertToFormat(QImage::Format_ARGB32);
    };
    ASSERT_NE(art("SMALL", 16), art("APPLICATION", 16));
    for (QWidget* w : {static_cast<QWidget*>(&first), static_cast<QWidget*>(&workspace)}) {
        EXPECT_EQ(rendered(w->windowIcon(), 16), art("SMALL", 16));
        EXPECT_EQ(rendered(w->windowIcon(), 32), art("APPLICATION", 32));
    }
}

TEST_F(Windows, WorkspaceSnapsBackToTheWholeDesktop) {
    BlockWindow workspace(nullptr);
    workspace.SetupWindow();
    workspace.show();
    workspace.move(200, 100);
    EXPECT_EQ(workspace.geometry(), QRect(0, 0, 1024, 768));
    // Nor closed: the run would go on with nothing on screen.
    EXPECT_FALSE(workspace.close());
    EXPECT_TRUE(workspace.isVisible());
}

TEST_F(Windows, WorkspaceColourFromSettingsAndChooser) {
    PersonName = "Gil";
    {
        BlockWindow workspace(nullptr);
        workspace.SetupWindow();
        EXPECT_EQ(workspace.background(), QColor(0, 0, 255)); // default: blue in the high byte
    }
    // Garbage reads as 0: black, and nothing else in the file is lost.
    WritePrivateProfileString("Gil", "Used", "7", ProfileName);
    WritePrivateProfileString("Gil", "OtherBlockWindowColor", "purple", ProfileName);
    BlockWindow workspace(nullptr);
    workspace.SetupWindow();
    EXPECT_EQ(workspace.background(), QColor(0, 0, 0));
    EXPECT_EQ(iniInt("Gil", "Used"), 7);

    {
        ModalScript script;
        script.then([](QWidget& w) {
            auto& chooser = dynamic_cast<QColorDialog&>(w);
            EXPECT_EQ(chooser.currentColor(), QColor(Qt::black));
            chooser.reject();
            return chooser.result();
        });
        workspace.commands.dispatch(100);
    }
    EXPECT_EQ(ini("Gil", "OtherBlockWindowColor"), "purple");

    {
        ModalScript script;
        script.then([](QWidget& w) {
            auto& chooser = dynamic_cast<QColorDialog&>(w);
            chooser.setCurrentColor(QColor(0x12, 0x34, 0x56));
            chooser.accept();
            return chooser.result();
        });
        workspace.commands.dispatch(100);
    }
    EXPECT_EQ(workspace.background(), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(iniInt("Gil", "OtherBlockWindowColor"), 0x563412);
}
