#include "book/book_archive.h"

#include <QFile>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

BookArchive::BookArchive(const QString& path, qint64 totalLimit)
    : zip_(std::make_unique<QuaZip>(path)), totalLimit_(totalLimit) {}

// Out of line, where QuaZip is complete; it closes the archive itself.
BookArchive::~BookArchive() = default;

bool BookArchive::open() {
    if (!zip_->open(QuaZip::mdUnzip)) return false;
    for (const QuaZipFileInfo64& info : zip_->getFileInfoList64())
        sizes_.insert(info.name, qint64(info.uncompressedSize));
    return zip_->getZipError() == UNZ_OK;
}

BookArchive::Status BookArchive::read(const QString& name, qint64 limit, QByteArray& out) {
    out.clear();
    if (!contains(name) || !zip_->setCurrentFile(name, QuaZip::csSensitive)) return Status::Missing;
    QuaZipFile file(zip_.get());
    if (!file.open(QIODevice::ReadOnly)) return Status::Damaged;
    const qint64 room = totalLimit_ - total_;
    const auto over = [&](qint64 size) {
        return size > limit ? Status::EntryTooLarge : size > room ? Status::TooLarge : Status::Ok;
    };
    // The size in the header may lie: the bytes themselves are counted too.
    if (const Status s = over(file.usize()); s != Status::Ok) return s;
    out.reserve(std::min(file.usize(), room));
    char buffer[64 * 1024];
    for (;;) {
        const qint64 got = file.read(buffer, sizeof buffer);
        if (got < 0) return Status::Damaged;
        if (got == 0) break;
        if (const Status s = over(out.size() + got); s != Status::Ok) return s;
        out.append(buffer, got);
    }
    file.close();
    // A bad checksum shows only when the entry is closed.
    if (file.getZipError() != UNZ_OK) return Status::Damaged;
    total_ += out.size();
    return Status::Ok;
}

bool startsLikeZip(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = f.read(4);
    return head == QByteArrayLiteral("PK\x03\x04") || head == QByteArrayLiteral("PK\x05\x06");
}
