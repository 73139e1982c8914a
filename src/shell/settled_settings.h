#pragma once

#include <QByteArray>
#include <QTimer>

#include <map>

// Places and sizes of a window that the user drags change many times a second.
// They are written once the window has been still for a moment, and at once
// when it closes, so a drag costs one write and the last place is never lost.
class SettledSettings {
public:
    static constexpr int kSettleMs = 300;

    SettledSettings();
    // Writes what is still pending.
    ~SettledSettings();
    SettledSettings(const SettledSettings&) = delete;
    SettledSettings& operator=(const SettledSettings&) = delete;

    // Sets a user key to be written when things have settled.
    void writeUserInt(const QByteArray& key, int value);
    // Writes every pending key now.
    void flush();
    bool pending() const { return !pending_.empty(); }

private:
    std::map<QByteArray, int> pending_;
    QTimer timer_;
};
