// The sounds of the build's data tree: every file the program plays, as a short PCM WAV.

#include "platform/sound.h"

#include <QFile>
#include <QSet>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

TEST(ContentSounds, EverySoundIsShortAudibleDistinctAndFreeOfClicks) {
    QSet<QByteArray> seen;
    for (const char* name :
         {"start", "right", "wrong", "next", "menu", "green", "lvup1", "lvup2", "lvup3", "lvdown1",
          "lvdown2", "lvdown3", "ststart", "sttmon", "sttmoff"}) {
        SCOPED_TRACE(name);
        const QString path = QStringLiteral(SKIM_BUILD_DATA_DIR "/sound/%1.wav").arg(name);
        // The length the synchronous play waits for; a sound accompanies a click or an answer.
        const int ms = wavDurationMs(path);
        EXPECT_GT(ms, 30) << "missing or not a WAV file";
        EXPECT_LT(ms, std::string(name) == "next" ? 1500 : 1000);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly) && f.size() > 44);
        const QByteArray all = f.readAll();
        ASSERT_EQ(qFromLittleEndian<quint16>(all.constData() + 34), 16) << "not 16-bit samples";
        const QByteArray data = all.mid(all.indexOf("data") + 8);
        const qsizetype samples = data.size() / 2;
        ASSERT_GT(samples, 1);
        const auto sample = [&](qsizetype i) {
            return std::abs(int(qFromLittleEndian<qint16>(data.constData() + 2 * i)));
        };
        int peak = 0;
        for (qsizetype i = 0; i < samples; ++i)
            peak = std::max(peak, sample(i));
        EXPECT_GT(peak, 3000) << "too quiet to hear";
        // A sound that starts or stops at full swing clicks.
        EXPECT_LT(std::max(sample(0), sample(samples - 1)), 1000);
        EXPECT_FALSE(seen.contains(data)) << "the same as another sound";
        seen.insert(data);
    }
}
