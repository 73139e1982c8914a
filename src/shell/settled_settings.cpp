#include "shell/settled_settings.h"

#include "shell/settings.h"

SettledSettings::SettledSettings() {
    timer_.setSingleShot(true);
    timer_.setInterval(kSettleMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] { flush(); });
}

SettledSettings::~SettledSettings() {
    flush();
}

void SettledSettings::writeUserInt(const QByteArray& key, int value) {
    pending_[key] = value;
    timer_.start();
}

void SettledSettings::flush() {
    timer_.stop();
    const auto pending = std::move(pending_);
    pending_.clear();
    for (const auto& [key, value] : pending)
        Settings::writeUserInt(key.constData(), value);
}
