#pragma once

#include "support/reading_host.h"
#include "support/shell_fixture.h"

#include "platform/message_box.h"

#include "platform/locations.h"

#include <QFile>
#include <QTemporaryDir>

// A data tree of the test's own readings (names relative to it are "ours"), and
// a directory for the user's own files (absolute names).
class ReadingTest : public ShellTest {
protected:
    ReadingTest() {
        Locations::setDataDirOverride(data_.path());
        PersonName = "Ann";
    }
    ~ReadingTest() override { Locations::setDataDirOverride(QString()); }

    // Writes a reading of the test's data tree; returns its relative name.
    QString reading(const QString& relative, const QByteArray& bytes) {
        const QString path = data_.path() + "/" + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return relative;
    }
    // Writes a user's own file; returns its absolute name.
    QString ownFile(const QString& name, const QByteArray& bytes) {
        const QString path = own_.path() + "/" + name;
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }
    // Numbered lines "line 0".."line n-1", each ended by a line feed.
    static QByteArray lines(int n) {
        QByteArray b;
        for (int i = 0; i < n; ++i)
            b += "line " + QByteArray::number(i) + "\n";
        return b;
    }

    QTemporaryDir data_;
    QTemporaryDir own_;
};
