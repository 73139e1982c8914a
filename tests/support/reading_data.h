#pragma once

#include "support/temp_state.h"

// A text of exactly `length` characters in lines of 40, ending with a line feed.
inline QByteArray readingText(int length, char fill) {
    QByteArray text;
    while (text.size() < length) {
        const int line = std::min<int>(40, length - int(text.size()));
        text += QByteArray(line - 1, fill) + '\n';
    }
    return text;
}

// The value of a user key as the settings file holds it, surrounding spaces included.
inline QString rawSetting(const TempState& state, const char* key) {
    const QByteArray prefix = QByteArray(key) + '=';
    for (QByteArray line : state.readIni().split('\n'))
        if (line.startsWith(prefix)) return QString::fromLatin1(line.mid(prefix.size()).replace("\r", ""));
    return QStringLiteral("<none>");
}
