#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

// "word_bas/w5.dat", "sent_adv/w80.dat": the list of one mode, kind and length, relative to the
// data tree.
QString listFileName(bool advanced, bool sentence, int length);

// A word or sentence list: records of exactly `length` bytes back to back, no separators. The
// drill fetches one record by one seek and one read; the file is never read whole.
class RecordFile {
public:
    bool open(const QString& path, int length); // false when missing/unreadable or length < 1
    qint64 size() const;                        // file size in bytes
    qint64 recordCount() const;                 // size / length

    // The record starting at byte offset - (offset % length): one seek, one read of `length`
    // bytes; empty when the read comes up short (truncated file) or nothing is open.
    std::optional<QString> recordAt(qint64 offset);

    static QString decipher(const QByteArray& raw);

private:
    QFile file_;
    int length_ = 0;
    qint64 size_ = 0;
};
