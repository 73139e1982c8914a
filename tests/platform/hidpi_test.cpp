#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

// On a screen of twice the density the canvases have its pixels: text is drawn
// sharp, not at normal size and blown up with two-pixel steps.
TEST(HighDensityScreen, CanvasesAndPicturesHaveTheScreensPixels) {
    QProcess run;
    run.start(QStringLiteral(SKIM_TEST_HELPER_DIR "/hidpi_canvas"), {});
    ASSERT_TRUE(run.waitForFinished(60000)) << run.errorString().toStdString();
    const QString out = QString::fromLatin1(run.readAllStandardOutput());
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    const auto m =
        QRegularExpression(
            R"(canvas (\d+)x(\d+)@2 logical 300x60 shown 600x120 mixed (\d+) picture (\d+)x(\d+))")
            .match(out);
    ASSERT_TRUE(m.hasMatch()) << out.toStdString();
    EXPECT_EQ(m.captured(1) + "x" + m.captured(2), "600x120");
    EXPECT_GT(m.captured(3).toInt(), 20) << "glyph edges in single device pixels";
    EXPECT_EQ(m.captured(4) + "x" + m.captured(5), "64x64");
}
