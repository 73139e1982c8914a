#include "reading/reading_list.h"

#include <QByteArrayList>
#include <QStringList>

#include <algorithm>

namespace {

// The leading decimal integer of a piece (blanks, sign and digits as atoi reads
// them), saturated to the range of a long long; false when there is none.
bool leadingInteger(const QString& text, long long& value) {
    int i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const int digitsStart = i;
    long long v = 0;
    for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i)
        v = std::min<long long>(v * 10 + (text[i].unicode() - '0'), 1'000'000'000'000LL);
    if (i == digitsStart) return false;
    value = negative ? -v : v;
    return true;
}

} // namespace

std::vector<ReadingEntry> parseReadingList(const QByteArray& content) {
    QByteArray text = content;
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    const QList<QByteArray> pieces = text.split('\n');
    // Every piece but the last ended with a line feed; the last is what follows the
    // final line feed (empty when the file ends with one).
    const int ended = int(pieces.size()) - 1;
    std::vector<ReadingEntry> entries;
    for (int i = 0; i + 1 < int(pieces.size()) && int(entries.size()) < kMaxReadings; i += 2) {
        if (i >= ended) break;
        const QString numberLine = QString::fromUtf8(pieces[i + 1]).left(kMaxNumberChars);
        if (i + 1 == ended && numberLine.isEmpty()) break; // a title with no number line after it
        long long number = -1;
        if (!leadingInteger(numberLine, number) || number < 0 || number > 999) continue;
        entries.push_back({QString::fromUtf8(pieces[i]).left(kMaxTitleChars), int(number)});
    }
    return entries;
}

std::vector<int> parseDoneCounts(const QString& text, int entries) {
    std::vector<int> counts;
    if (!text.isEmpty()) {
        // Runs of spaces count as one, as a hand-edited value may have them.
        for (const QString& piece : text.split(' ', Qt::SkipEmptyParts)) {
            if (int(counts.size()) >= entries) break;
            long long v = 0;
            if (!leadingInteger(piece, v) || v < 0) v = 0;
            counts.push_back(int(std::min<long long>(v, kMaxDoneCount)));
        }
    }
    counts.resize(std::max(entries, 0), 0);
    return counts;
}

QString doneCountsText(const std::vector<int>& counts) {
    QString text;
    for (int c : counts)
        text += QString::number(c) + ' ';
    return text;
}

QString readingListLine(int count, const QString& title) {
    return QStringLiteral("%1   %2").arg(count, 3).arg(title);
}

int leastReadIndex(const std::vector<int>& counts) {
    if (counts.empty()) return -1;
    return int(std::min_element(counts.begin(), counts.end()) - counts.begin());
}

namespace {
QString modeTag(bool advanced) {
    return advanced ? QStringLiteral("adv") : QStringLiteral("bas");
}
} // namespace

QString readingListFileName(bool advanced) {
    return QStringLiteral("pr_%1.dat").arg(modeTag(advanced));
}

QString practiceReadingFileName(bool advanced, int n) {
    return QStringLiteral("pr_%1/p%2.dat").arg(modeTag(advanced)).arg(n);
}

QString speedTestFileName(bool advanced, int n) {
    return QStringLiteral("st_%1/st%2.dat").arg(modeTag(advanced)).arg(n);
}
