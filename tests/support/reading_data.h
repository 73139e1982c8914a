#pragma once

#include "support/temp_state.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A data tree of the test's own, used as the program's data directory while it lives.
class ReadingData {
public:
    ReadingData();
    ~ReadingData();
    // Writes a file of the tree, making its directory.
    void write(const QString& name, const QByteArray& content) const;
    QString path(const QString& name) const { return dir_.path() + "/" + name; }

private:
    QTemporaryDir dir_;
};

// A text of exactly `length` characters in lines of 40, ending with a line feed.
QByteArray readingText(int length, char fill);

// The value of a user key as the settings file holds it, surrounding spaces included.
QString rawSetting(const TempState& state, const char* key);
