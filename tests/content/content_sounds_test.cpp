// The sounds of the build's data tree: every file the program plays, as a short PCM WAV.

#include <QFile>
#include <QMap>
#include <QtEndian>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

const QString kSoundDir = QStringLiteral(SKIM_BUILD_DATA_DIR "/sound");

const char* const kSounds[] = {"start",   "right",   "wrong",   "next",   "menu",
                               "green",   "lvup1",   "lvup2",   "lvup3",  "lvdown1",
                               "lvdown2", "lvdown3", "ststart", "sttmon", "sttmoff"};

struct Wav {
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    int blockAlign = 0;
    int byteRate = 0;
    QByteArray data;

    double seconds() const { return byteRate > 0 ? double(data.size()) / byteRate : 0; }
    int sample(qsizetype i) const {
        return qFromLittleEndian<qint16>(data.constData() + i * blockAlign);
    }
    qsizetype frames() const { return blockAlign > 0 ? data.size() / blockAlign : 0; }
};

// Parses a RIFF WAVE file; empty when the chunks are not well formed.
std::optional<Wav> parseWav(const QByteArray& b) {
    auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); };
    auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); };
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") return std::nullopt;
    if (u32(4) + 8 != quint32(b.size())) return std::nullopt;
    Wav w;
    bool haveFmt = false, haveData = false;
    qsizetype at = 12;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        const quint32 size = u32(at + 4);
        const qsizetype body = at + 8;
        if (body + qsizetype(size) > b.size()) return std::nullopt;
        if (id == "fmt " && size >= 16) {
            w.format = u16(body);
            w.channels = u16(body + 2);
            w.sampleRate = int(u32(body + 4));
            w.byteRate = int(u32(body + 8));
            w.blockAlign = u16(body + 12);
            w.bitsPerSample = u16(body + 14);
            haveFmt = true;
        } else if (id == "data") {
            w.data = b.mid(body, size);
            haveData = true;
        }
        at = body + size + (size & 1);
    }
    if (!haveFmt || !haveData) return std::nullopt;
    return w;
}

std::optional<Wav> loadSound(const char* name) {
    QFile f(kSoundDir + "/" + name + ".wav");
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    return parseWav(f.readAll());
}

} // namespace

TEST(ContentSounds, EverySoundIsAShort16BitPcmWav) {
    for (const char* name : kSounds) {
        SCOPED_TRACE(name);
        const auto wav = loadSound(name);
        ASSERT_TRUE(wav.has_value()) << "missing or not a valid WAV file";
        EXPECT_EQ(wav->format, 1) << "not PCM";
        EXPECT_EQ(wav->bitsPerSample, 16);
        EXPECT_GE(wav->channels, 1);
        EXPECT_GT(wav->sampleRate, 0);
        EXPECT_EQ(wav->blockAlign, wav->channels * 2);
        EXPECT_EQ(wav->byteRate, wav->sampleRate * wav->blockAlign);
        EXPECT_EQ(wav->data.size() % wav->blockAlign, 0);
        // Sounds accompany clicks and answers; the lesson prompt's may ring a little longer.
        const double limit = std::string(name) == "next" ? 1.5 : 1.0;
        EXPECT_GT(wav->seconds(), 0.03);
        EXPECT_LT(wav->seconds(), limit);
    }
}

TEST(ContentSounds, SoundsAreAudibleAndStartAndEndSoftly) {
    for (const char* name : kSounds) {
        SCOPED_TRACE(name);
        const auto wav = loadSound(name);
        ASSERT_TRUE(wav.has_value());
        ASSERT_GT(wav->frames(), 0);
        int peak = 0;
        for (qsizetype i = 0; i < wav->frames(); ++i)
            peak = std::max(peak, std::abs(wav->sample(i)));
        EXPECT_GT(peak, 3000) << "too quiet to hear";
        // A sound that starts or stops at full swing clicks.
        EXPECT_LT(std::abs(wav->sample(0)), 1000);
        EXPECT_LT(std::abs(wav->sample(wav->frames() - 1)), 1000);
    }
}

TEST(ContentSounds, EverySoundIsDifferent) {
    QMap<QByteArray, QString> seen;
    for (const char* name : kSounds) {
        const auto wav = loadSound(name);
        ASSERT_TRUE(wav.has_value()) << name;
        EXPECT_FALSE(seen.contains(wav->data))
            << name << " is the same as " << seen.value(wav->data).toStdString();
        seen.insert(wav->data, QString::fromLatin1(name));
    }
}
