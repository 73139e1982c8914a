#include "platform/sound.h"

#include "platform/locations.h"

#include <QEventLoop>
#include <QFile>
#include <QCoreApplication>
#include <QFileInfo>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include <climits>
#include <cstring>
#include <memory>

namespace {

class QtSoundBackend : public SoundBackend {
public:
    void play(const QString& name, bool synchronous) override {
        const QString path = Locations::dataPath(name);
        if (!QFileInfo::exists(path) || !hasDevice())
            return;
        // A new sound cuts off the one still playing.
        if (current_) {
            current_->stop();
            current_->deleteLater();
        }
        // Owned by the application, so it goes before the application does.
        current_ = new QSoundEffect(QCoreApplication::instance());
        current_->setSource(QUrl::fromLocalFile(path));
        current_->play();
        if (!synchronous)
            return;
        // Without an audio device the effect never reports its end, so wait at
        // most the length of the sound.
        const int length = wavDurationMs(path);
        if (length <= 0)
            return;
        QEventLoop loop;
        QTimer::singleShot(length + 20, &loop, &QEventLoop::quit);
        QObject::connect(current_.data(), &QSoundEffect::playingChanged, &loop, [&loop, this] {
            if (!current_->isPlaying())
                loop.quit();
        });
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }

private:
    // Without an audio device there is nothing to play (and Qt would complain at every try).
    static bool hasDevice() {
        static const bool any = !QMediaDevices::audioOutputs().isEmpty();
        return any;
    }

    QPointer<QSoundEffect> current_;
};

SoundBackend* g_backend = nullptr;

SoundBackend& backend() {
    if (g_backend)
        return *g_backend;
    static QtSoundBackend real;
    return real;
}

quint32 le32(const char* p) {
    return quint32(quint8(p[0])) | quint32(quint8(p[1])) << 8 | quint32(quint8(p[2])) << 16 |
           quint32(quint8(p[3])) << 24;
}

} // namespace

void PlaySound(const char* name, void*, unsigned flags) {
    if (!name)
        return;
    QString fileName = QString::fromLocal8Bit(name);
    fileName.replace('\\', '/');
    backend().play(fileName, (flags & SND_ASYNC) == 0);
}

void setSoundBackend(SoundBackend* backend) { g_backend = backend; }

int wavDurationMs(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return wavDurationMs(f.read(4096), f.size());
}

int wavDurationMs(QByteArrayView head, qint64 fileSize) {
    // Every read below is bounded by the bytes present: a truncated header gives -1.
    const qsizetype n = head.size();
    const char* d = head.data();
    if (n < 12 || std::memcmp(d, "RIFF", 4) != 0 || std::memcmp(d + 8, "WAVE", 4) != 0)
        return -1;
    quint32 byteRate = 0;
    qsizetype pos = 12;
    while (pos <= n - 8) {
        const char* chunk = d + pos;
        const quint32 size = le32(chunk + 4);
        // The byte rate is the third field of the format chunk: inside both the chunk and the bytes.
        if (std::memcmp(chunk, "fmt ", 4) == 0)
            byteRate = (size >= 12 && pos + 8 + 12 <= n) ? le32(chunk + 8 + 8) : 0;
        if (std::memcmp(chunk, "data", 4) == 0) {
            if (byteRate == 0)
                return -1;
            const quint64 available = quint64(qMax<qint64>(0, fileSize - (pos + 8)));
            const quint64 bytes = qMin<quint64>(size, available);
            return int(qMin<quint64>(bytes * 1000 / byteRate, INT_MAX));
        }
        pos += 8 + qsizetype(size) + (size & 1);
    }
    return -1;
}
