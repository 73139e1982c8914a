#include "drill/record_file.h"

QString listFileName(bool advanced, bool sentence, int length) {
    return QStringLiteral("%1_%2/w%3.dat")
        .arg(sentence ? QStringLiteral("sent") : QStringLiteral("word"),
             advanced ? QStringLiteral("adv") : QStringLiteral("bas"))
        .arg(length);
}

bool RecordFile::open(const QString& path, int length) {
    if (file_.isOpen()) file_.close();
    length_ = 0;
    size_ = 0;
    if (length < 1) return false;
    file_.setFileName(path);
    // Unbuffered: a record is one read of n bytes, not a buffer fill around it.
    if (!file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return false;
    length_ = length;
    size_ = file_.size();
    return true;
}

qint64 RecordFile::size() const {
    return size_;
}

qint64 RecordFile::recordCount() const {
    return length_ > 0 ? size_ / length_ : 0;
}

std::optional<QString> RecordFile::recordAt(qint64 offset) {
    if (!file_.isOpen() || length_ < 1 || offset < 0) return std::nullopt;
    const qint64 start = offset - offset % length_;
    // A whole record must fit in the file; asking for more would allocate what a damaged or
    // mislabelled length says, not what the file holds.
    if (start > size_ - length_ || !file_.seek(start)) return std::nullopt;
    const QByteArray raw = file_.read(length_);
    if (raw.size() != length_) return std::nullopt;
    return decipher(raw);
}

// The lists are stored as plain ASCII text, so deciphering a record is the identity.
QString RecordFile::decipher(const QByteArray& raw) {
    return QString::fromLatin1(raw);
}
