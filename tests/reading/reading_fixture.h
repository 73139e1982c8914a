#pragma once

#include "support/reading_host.h"
#include "support/shell_fixture.h"

#include "platform/locations.h"
#include "platform/message_box.h"

#include <QFile>
#include <QTemporaryDir>

// Readings of the test's own data tree (relative names are ours) and the user's
// own files (absolute names).
class ReadingTest : public ShellTest {
protected:
    ReadingTest() {
        Locations::setDataDirOverride(data_.path());
        PersonName = "Ann";
    }
    ~ReadingTest() override { Locations::setDataDirOverride(QString()); }

    QString reading(const QString& relative, const QByteArray& bytes) {
        write(data_.path() + "/" + relative, bytes);
        return relative;
    }
    QString ownFile(const QString& name, const QByteArray& bytes) {
        return write(own_.path() + "/" + name, bytes);
    }
    // "line 0\n" .. "line n-1\n".
    static QByteArray lines(int n) {
        QByteArray b;
        for (int i = 0; i < n; ++i)
            b += "line " + QByteArray::number(i) + "\n";
        return b;
    }

private:
    static QString write(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }
    QTemporaryDir data_;
    QTemporaryDir own_;
};
