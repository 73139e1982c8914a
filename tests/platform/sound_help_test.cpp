#include "platform/help_window.h"
#include "platform/locations.h"
#include "platform/sound.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {
// A 16-bit mono WAV: header, then `samples` samples of silence.
QByteArray wav(int rate, int samples, quint32 fmtSize = 16) {
    QByteArray d;
    auto u32 = [&d](quint32 v) { for (int i = 0; i < 4; ++i) d.append(char((v >> (8 * i)) & 0xFF)); };
    d.append("RIFF");
    u32(36 + 2 * samples);
    d.append("WAVEfmt ");
    u32(fmtSize);
    d.append(QByteArray("\x01\x00\x01\x00", 4).left(fmtSize));
    if (fmtSize >= 16) {
        u32(rate);
        u32(rate * 2);
        d.append(QByteArray("\x02\x00\x10\x00", 4));
    }
    d.append("data");
    u32(2 * samples);
    return d + QByteArray(2 * samples, '\0');
}
} // namespace

TEST(Sound, LengthComesFromTheHeaderReadWithinTheBytesPresent) {
    const QByteArray ok = wav(22050, 11025);
    const struct {
        const char* name;
        QByteArray head;
        qint64 fileSize;
        int expected;
    } cases[] = {
        {"whole file", ok, ok.size(), 500},
        {"data cut short", wav(1000, 1000).left(244), 244, 100},
        {"not a WAV", "RIFF....WAVEjunkjunkjunk", 24, -1},
        {"ends inside the byte rate", ok.left(30), 30, -1},
        {"ends inside a chunk header", ok.left(40), 40, -1},
        {"format chunk too short for a byte rate", wav(1000, 1000, 4), 2036, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // A buffer of exactly the bytes present, so a read past them is caught.
        const std::vector<char> bytes(c.head.begin(), c.head.end());
        EXPECT_EQ(wavDurationMs(QByteArrayView(bytes.data(), qsizetype(bytes.size())), c.fileSize),
                  c.expected);
    }
    QTemporaryDir dir;
    QFile file(dir.path() + "/a.wav");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(ok) == ok.size());
    file.close();
    EXPECT_EQ(wavDurationMs(file.fileName()), 500);
    EXPECT_EQ(wavDurationMs(dir.path() + "/missing.wav"), -1);
}

TEST(Help, TopicsOpenTheirOwnPageOrTheContents) {
    Locations::setDataDirOverride(SKIM_BUILD_DATA_DIR);
    EXPECT_TRUE(HelpWindow::pageFor(46).endsWith("help/topic46.html"));
    EXPECT_TRUE(HelpWindow::pageFor(-1).endsWith("help/contents.html"));
    EXPECT_TRUE(HelpWindow::pageFor(9999).endsWith("help/contents.html"));
    Locations::setDataDirOverride({});
}
