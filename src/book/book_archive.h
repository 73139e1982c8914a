#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <memory>

class QuaZip;

// An EPUB's zip archive, read entry by entry into memory (nothing is ever unpacked
// to disk), with a cap on what one entry and all of them together may unpack to.
class BookArchive {
public:
    // EntryTooLarge: over the entry's own limit; TooLarge: over what all may unpack to.
    enum class Status { Ok, Missing, EntryTooLarge, TooLarge, Damaged };

    explicit BookArchive(const QString& path, qint64 totalLimit);
    ~BookArchive();
    BookArchive(const BookArchive&) = delete;
    BookArchive& operator=(const BookArchive&) = delete;

    // False when the file is no zip archive that can be read.
    bool open();
    bool contains(const QString& name) const { return sizes_.contains(name); }
    // The unpacked size the archive gives for an entry (the bytes may turn out more).
    qint64 size(const QString& name) const { return sizes_.value(name); }
    // Unpacks one entry of at most `limit` bytes, counted against the total.
    Status read(const QString& name, qint64 limit, QByteArray& out);

private:
    std::unique_ptr<QuaZip> zip_;
    QHash<QString, qint64> sizes_;
    qint64 totalLimit_;
    qint64 total_ = 0;
};

// True when the file starts like a zip archive, whatever its name.
bool startsLikeZip(const QString& path);
