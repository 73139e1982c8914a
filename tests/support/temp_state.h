#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <optional>

// Writes a file, making its folder; the path, or an empty string when it could not be written.
QString writeFile(const QString& path, const QByteArray& bytes);
// The file's bytes; "<missing>" when it cannot be read.
QByteArray readFile(const QString& path);

// Gives a test its own XDG config and data homes, so the settings file and the
// score logs it writes never touch the user's and never leak into the next test.
class TempState {
public:
    TempState();
    ~TempState();
    TempState(const TempState&) = delete;
    TempState& operator=(const TempState&) = delete;

    QString root() const { return dir_.path(); }
    QString configHome() const { return dir_.path() + "/config"; }
    QString dataHome() const { return dir_.path() + "/data"; }
    // Full path of ssv20.ini inside this state.
    QString iniPath() const;
    QByteArray readIni() const;
    void writeIni(const QByteArray& content) const;

private:
    QTemporaryDir dir_;
    std::optional<QByteArray> oldConfig_, oldData_;
};
