// The word and sentence lists of the build's data tree, read the way the drill reads them.

#include "drill/record_file.h"

#include <QFileInfo>
#include <QSet>
#include <QString>
#include <gtest/gtest.h>

#include <functional>

namespace {

const QString kDataDir = QStringLiteral(SKIM_BUILD_DATA_DIR);
constexpr int kBasicLimit = 60;
constexpr int kAdvancedLimit = 115;
constexpr int kWordListMax = 12;

struct Mode {
    bool advanced;
    int limit;
    const char* name;
};
const Mode kModes[] = {{false, kBasicLimit, "basic"}, {true, kAdvancedLimit, "advanced"}};

bool allowedInSentence(QChar c, bool advanced) {
    const char16_t u = c.unicode();
    if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '\'' || u == ' ') return true;
    return advanced && (u == ',' || u == '.' || u == '-');
}

bool isLetter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

// Problems of one record, or an empty string when it is fine.
QString sentenceProblem(const QString& r, int n, bool advanced) {
    if (r.size() != n) return QStringLiteral("length %1").arg(r.size());
    for (QChar c : r)
        if (!allowedInSentence(c, advanced)) return QStringLiteral("character '%1'").arg(c);
    if (r.startsWith(' ') || r.endsWith(' ')) return QStringLiteral("leading or trailing space");
    if (r.contains(QStringLiteral("  "))) return QStringLiteral("double space");
    if (!isLetter(r.front()) && r.front() != '\'')
        return QStringLiteral("does not start with a word");
    return {};
}

QString wordProblem(const QString& r, int n) {
    if (r.size() != n) return QStringLiteral("length %1").arg(r.size());
    for (QChar c : r)
        if (!isLetter(c)) return QStringLiteral("character '%1'").arg(c);
    return {};
}

// Reads every record through RecordFile, at an offset inside the record as the drill's random
// offsets are, and reports the first few faults. Returns the records read.
QStringList checkList(const QString& path, int n,
                      const std::function<QString(const QString&)>& problem) {
    QStringList records;
    RecordFile file;
    if (!file.open(path, n)) {
        ADD_FAILURE() << path.toStdString() << " is missing";
        return records;
    }
    EXPECT_EQ(file.size() % n, 0) << path.toStdString() << " ends in a partial record";
    EXPECT_GT(file.recordCount(), 0) << path.toStdString() << " has no records";
    int faults = 0;
    QSet<QString> seen;
    for (qint64 i = 0; i < file.recordCount() && faults < 5; ++i) {
        const auto record = file.recordAt(i * n + i % n);
        if (!record) {
            ADD_FAILURE() << path.toStdString() << ": record " << i << " cannot be read";
            ++faults;
            continue;
        }
        const QString p = problem(*record);
        if (!p.isEmpty()) {
            ADD_FAILURE() << path.toStdString() << ": record " << i << " \""
                          << record->toStdString() << "\": " << p.toStdString();
            ++faults;
        }
        // The answer check ignores case, so "The" and "the" would be the same flash.
        if (seen.contains(record->toLower())) {
            ADD_FAILURE() << path.toStdString() << ": \"" << record->toStdString()
                          << "\" appears twice";
            ++faults;
        }
        seen.insert(record->toLower());
        records << *record;
    }
    return records;
}

QString listPath(bool advanced, bool sentence, int n) {
    return kDataDir + "/" + listFileName(advanced, sentence, n);
}

} // namespace

TEST(ContentLists, EverySentenceLengthUpToTheLimitHasCleanRecords) {
    for (const Mode& mode : kModes) {
        SCOPED_TRACE(mode.name);
        for (int n = 1; n <= mode.limit; ++n) {
            checkList(listPath(mode.advanced, true, n), n,
                      [&](const QString& r) { return sentenceProblem(r, n, mode.advanced); });
        }
    }
}

TEST(ContentLists, NoSentenceListAboveTheModeLimit) {
    // The drill takes a missing sentence list as the level limit of the mode.
    for (const Mode& mode : kModes) {
        SCOPED_TRACE(mode.name);
        ASSERT_TRUE(QFileInfo::exists(listPath(mode.advanced, true, mode.limit)));
        EXPECT_FALSE(QFileInfo::exists(listPath(mode.advanced, true, mode.limit + 1)));
        EXPECT_FALSE(QFileInfo::exists(listPath(mode.advanced, true, mode.limit + 2)));
    }
}

TEST(ContentLists, WordListsOneToTwelveHoldWholeWords) {
    for (const Mode& mode : kModes) {
        SCOPED_TRACE(mode.name);
        for (int n = 1; n <= kWordListMax; ++n)
            checkList(listPath(mode.advanced, false, n), n,
                      [&](const QString& r) { return wordProblem(r, n); });
    }
}

TEST(ContentLists, ShortestLevelsFlashCommonShortWords) {
    for (const Mode& mode : kModes) {
        SCOPED_TRACE(mode.name);
        for (bool sentence : {false, true}) {
            SCOPED_TRACE(sentence ? "sentence list" : "word list");
            const auto one = checkList(listPath(mode.advanced, sentence, 1), 1,
                                       [](const QString&) { return QString(); });
            const QSet<QString> ones(one.begin(), one.end());
            EXPECT_EQ(ones, (QSet<QString>{"a", "I"}));
            const auto two = checkList(listPath(mode.advanced, sentence, 2), 2,
                                       [](const QString&) { return QString(); });
            for (const char* w : {"an", "at", "to", "in", "of", "is"})
                EXPECT_TRUE(two.contains(QString::fromLatin1(w))) << w;
        }
    }
}

TEST(ContentLists, ListsAreNotTooThinForTheDrills) {
    // Lengths where words run out (1, 2, long words) may be short; the middle of each mode's
    // range must offer enough records that a day's drills rarely repeat.
    for (const Mode& mode : kModes) {
        SCOPED_TRACE(mode.name);
        for (int n = 7; n <= mode.limit; ++n) {
            RecordFile file;
            ASSERT_TRUE(file.open(listPath(mode.advanced, true, n), n)) << n;
            EXPECT_GE(file.recordCount(), 100) << "sentence list of length " << n;
        }
        for (int n = 3; n <= 8; ++n) {
            RecordFile file;
            ASSERT_TRUE(file.open(listPath(mode.advanced, false, n), n)) << n;
            EXPECT_GE(file.recordCount(), 100) << "word list of length " << n;
        }
    }
}
