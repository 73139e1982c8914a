#include "platform/help_window.h"
#include "platform/locations.h"
#include "platform/sound.h"

#include <QDataStream>
#include <QIODevice>

#include <gtest/gtest.h>

#include <vector>

namespace {
// A 16-bit mono WAV: header, then `samples` samples of silence.
QByteArray wav(int rate, int samples, quint32 fmtSize = 16) {
    QByteArray d;
    QDataStream out(&d, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + 2 * samples);
    out.writeRawData("WAVEfmt ", 8);
    out << fmtSize << quint16(1) << quint16(1);
    if (fmtSize >= 16) out << quint32(rate) << quint32(rate * 2) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(2 * samples);
    return d + QByteArray(2 * samples, '\0');
}
} // namespace

TEST(Sound, LengthComesFromTheHeaderReadWithinTheBytesPresent) {
    const QByteArray ok = wav(22050, 11025);
    const std::tuple<const char*, QByteArray, qint64, int> cases[] = {
        {"whole file", ok, ok.size(), 500},
        {"data cut short", wav(1000, 1000).left(244), 244, 100},
        {"not a WAV", "RIFF....WAVEjunkjunkjunk", 24, -1},
        {"ends inside a chunk header", ok.left(40), 40, -1},
        {"format chunk too short for a byte rate", wav(1000, 1000, 4), 2036, -1},
    };
    for (const auto& [name, head, fileSize, expected] : cases) {
        // A buffer of exactly the bytes present, so a read past them is caught.
        const std::vector<char> bytes(head.begin(), head.end());
        EXPECT_EQ(wavDurationMs(QByteArrayView(bytes.data(), qsizetype(bytes.size())), fileSize),
                  expected)
            << name;
    }
    EXPECT_EQ(wavDurationMs(QStringLiteral(SKIM_BUILD_DATA_DIR "/sound/missing.wav")), -1);
}

TEST(Help, TopicsOpenTheirOwnPageOrTheContents) {
    Locations::setDataDirOverride(SKIM_BUILD_DATA_DIR);
    EXPECT_TRUE(HelpWindow::pageFor(46).endsWith("help/topic46.html"));
    EXPECT_TRUE(HelpWindow::pageFor(-1).endsWith("help/contents.html"));
    EXPECT_TRUE(HelpWindow::pageFor(9999).endsWith("help/contents.html"));
    Locations::setDataDirOverride({});
}
