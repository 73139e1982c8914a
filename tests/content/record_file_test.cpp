#include "drill/record_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString writeFile(const QTemporaryDir& dir, const QByteArray& content) {
    const QString path = dir.path() + "/list.dat";
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
    return path;
}

} // namespace

TEST(RecordFile, ListNamesFollowModeKindAndLength) {
    EXPECT_EQ(listFileName(false, false, 5), "word_bas/w5.dat");
    EXPECT_EQ(listFileName(true, false, 12), "word_adv/w12.dat");
    EXPECT_EQ(listFileName(false, true, 60), "sent_bas/w60.dat");
    EXPECT_EQ(listFileName(true, true, 80), "sent_adv/w80.dat");
}

TEST(RecordFile, OffsetsRoundDownToWholeRecords) {
    QTemporaryDir dir;
    // Five records of seven characters, with the spaces, apostrophes and capitals of real
    // sentence records.
    const QString path = writeFile(dir, "The catdon't gI am ona dog.,A B C D");
    RecordFile file;
    ASSERT_TRUE(file.open(path, 7));
    EXPECT_EQ(file.size(), 35);
    EXPECT_EQ(file.recordCount(), 5);

    EXPECT_EQ(file.recordAt(0), "The cat");
    EXPECT_EQ(file.recordAt(6), "The cat");
    EXPECT_EQ(file.recordAt(7), "don't g");
    EXPECT_EQ(file.recordAt(13), "don't g");
    EXPECT_EQ(file.recordAt(15), "I am on");
    EXPECT_EQ(file.recordAt(27), "a dog.,");
    EXPECT_EQ(file.recordAt(28), "A B C D");
    EXPECT_EQ(file.recordAt(34), "A B C D");
    // Past the last record there is nothing whole to read.
    EXPECT_FALSE(file.recordAt(35).has_value());
    EXPECT_FALSE(file.recordAt(-1).has_value());
}

TEST(RecordFile, TruncatedLastRecordIsNotReturned) {
    QTemporaryDir dir;
    const QString path = writeFile(dir, "abcdefghijklmnopqrstuv"); // 5 records of 4 and 2 bytes
    RecordFile file;
    ASSERT_TRUE(file.open(path, 4));
    EXPECT_EQ(file.size(), 22);
    EXPECT_EQ(file.recordCount(), 5);
    EXPECT_EQ(file.recordAt(19), "qrst");
    EXPECT_FALSE(file.recordAt(20).has_value());
    EXPECT_FALSE(file.recordAt(21).has_value());
    // A short read does not spoil later reads.
    EXPECT_EQ(file.recordAt(1), "abcd");
}

TEST(RecordFile, MissingFileOrLengthBelowOneDoesNotOpen) {
    QTemporaryDir dir;
    RecordFile file;
    EXPECT_FALSE(file.open(dir.path() + "/absent.dat", 3));
    EXPECT_FALSE(file.recordAt(0).has_value());
    EXPECT_EQ(file.recordCount(), 0);

    const QString path = writeFile(dir, "abcdef");
    EXPECT_FALSE(file.open(path, 0));
    EXPECT_FALSE(file.open(path, -2));
    EXPECT_FALSE(file.recordAt(0).has_value());

    // The same object opens the next list of another length.
    ASSERT_TRUE(file.open(path, 3));
    EXPECT_EQ(file.recordAt(4), "def");
    ASSERT_TRUE(file.open(path, 2));
    EXPECT_EQ(file.recordCount(), 3);
    EXPECT_EQ(file.recordAt(4), "ef");
}

TEST(RecordFile, EmptyFileOpensWithNoRecords) {
    QTemporaryDir dir;
    const QString path = writeFile(dir, "");
    RecordFile file;
    ASSERT_TRUE(file.open(path, 5));
    EXPECT_EQ(file.size(), 0);
    EXPECT_EQ(file.recordCount(), 0);
    EXPECT_FALSE(file.recordAt(0).has_value());
}
