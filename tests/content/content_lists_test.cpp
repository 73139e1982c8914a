// The word and sentence lists of the build's data tree, read the way the drill reads them. That
// every length up to the mode's limit has records, and none above it, the build itself checks.

#include "drill/record_file.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

TEST(ContentLists, RecordsAreCleanUniqueAndPlentiful) {
    // Words are letters only; sentences start with a word, have single inner spaces, and in
    // the advanced mode may carry commas, full stops and hyphens.
    const QRegularExpression word(QStringLiteral("^[A-Za-z]+$")),
        basic(QStringLiteral("^['A-Za-z](?!.*  )[A-Za-z' ]*(?<! )$")),
        advanced(QStringLiteral("^['A-Za-z](?!.*  )[A-Za-z' ,.-]*(?<! )$"));
    for (const auto& [isAdvanced, limit] : {std::pair{false, 60}, {true, 115}}) {
        for (const bool sentence : {false, true}) {
            const QRegularExpression& clean = sentence ? (isAdvanced ? advanced : basic) : word;
            for (int n = 1; n <= (sentence ? limit : 12); ++n) {
                const QString name = listFileName(isAdvanced, sentence, n);
                SCOPED_TRACE(name.toStdString());
                RecordFile file;
                ASSERT_TRUE(file.open(QStringLiteral(SKIM_BUILD_DATA_DIR "/") + name, n));
                EXPECT_EQ(file.size() % n, 0) << "ends in a partial record";
                // Lengths where words run out may be short; in the middle of the range a day's
                // drills must rarely repeat.
                if ((sentence && n >= 7) || (!sentence && n >= 3 && n <= 8))
                    EXPECT_GE(file.recordCount(), 100);
                QSet<QString> seen;
                int faults = 0;
                // At an offset inside each record, as the drill's random offsets are.
                for (qint64 i = 0; i < file.recordCount() && faults < 5; ++i) {
                    const QString r = file.recordAt(i * n + i % n).value_or(QString());
                    // The answer check ignores case, so "The" and "the" would be one flash.
                    const bool repeated = seen.contains(r.toLower());
                    seen.insert(r.toLower());
                    if (r.size() == n && clean.match(r).hasMatch() && !repeated) continue;
                    ++faults;
                    ADD_FAILURE() << "record " << i << " \"" << r.toStdString() << "\""
                                  << (repeated ? " repeated" : " unclean or unreadable");
                }
            }
        }
    }
}
