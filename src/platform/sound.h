#pragma once

#include <QByteArrayView>
#include <QString>

// Flags of the sound service.
enum SoundFlags : unsigned {
    SND_SYNC = 0x0000,
    SND_ASYNC = 0x0001,
    SND_FILENAME = 0x20000,
};

// Where sounds go: the real player, or a recorder in tests.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    // name is the program's data-relative name ("sound/right.wav").
    virtual void play(const QString& name, bool synchronous) = 0;
};

// Plays a WAV file from the data tree. A missing file or no audio device plays
// nothing and reports nothing. The synchronous play returns when the sound ends.
void PlaySound(const char* name, void* module, unsigned flags);

// Replaces the backend (not owned); nullptr restores the real player.
void setSoundBackend(SoundBackend* backend);

// Length in milliseconds of a PCM WAV file read from its header, or -1.
int wavDurationMs(const QString& path);
// The same from the file's first bytes and its size.
int wavDurationMs(QByteArrayView head, qint64 fileSize);
