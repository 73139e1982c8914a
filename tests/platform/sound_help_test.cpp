#include "platform/help_window.h"
#include "platform/locations.h"
#include "platform/sound.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
// A 16-bit mono WAV header and `samples` samples of silence.
QByteArray wav(int rate, int samples) {
    QByteArray d;
    auto u32 = [&d](quint32 v) { for (int i = 0; i < 4; ++i) d.append(char((v >> (8 * i)) & 0xFF)); };
    auto u16 = [&d](quint16 v) { d.append(char(v & 0xFF)); d.append(char(v >> 8)); };
    d.append("RIFF");
    u32(36 + 2 * samples);
    d.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    d.append("data");
    u32(2 * samples);
    d.append(QByteArray(2 * samples, '\0'));
    return d;
}
} // namespace

TEST(Sound, LengthComesFromTheWavHeaderAndBadFilesGiveNone) {
    QTemporaryDir dir;
    QFile ok(dir.path() + "/a.wav");
    ASSERT_TRUE(ok.open(QIODevice::WriteOnly));
    ok.write(wav(22050, 11025));
    ok.close();
    EXPECT_EQ(wavDurationMs(ok.fileName()), 500);
    QFile junk(dir.path() + "/b.wav");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("RIFF....WAVEjunkjunkjunk");
    junk.close();
    EXPECT_EQ(wavDurationMs(junk.fileName()), -1);
    EXPECT_EQ(wavDurationMs(dir.path() + "/missing.wav"), -1);
    // A truncated data chunk counts only what is there.
    QFile cut(dir.path() + "/c.wav");
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(wav(1000, 1000).left(44 + 200));
    cut.close();
    EXPECT_EQ(wavDurationMs(cut.fileName()), 100);
}

TEST(Help, TopicsOpenTheirOwnPageOrTheContents) {
    Locations::setDataDirOverride(SKIM_BUILD_DATA_DIR);
    EXPECT_TRUE(HelpWindow::pageFor(46).endsWith("help/topic46.html"));
    EXPECT_TRUE(HelpWindow::pageFor(-1).endsWith("help/contents.html"));
    EXPECT_TRUE(HelpWindow::pageFor(9999).endsWith("help/contents.html"));
    Locations::setDataDirOverride({});
}
