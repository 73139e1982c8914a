#include "drill/record_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <atomic>
#include <climits>

#ifdef __SANITIZE_ADDRESS__
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*mallocHook)(const volatile void*,
                                                                            size_t),
                                                         void (*freeHook)(const volatile void*));
#endif

namespace {

QString writeFile(const QTemporaryDir& dir, const QByteArray& content) {
    const QString path = dir.path() + "/list.dat";
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
    return path;
}

std::atomic<size_t> g_largest{0};
void noteAllocation(const volatile void*, size_t size) {
    size_t seen = g_largest.load();
    while (size > seen && !g_largest.compare_exchange_weak(seen, size)) {
    }
}
void noteFree(const volatile void*) {}

} // namespace

TEST(RecordFile, OffsetsRoundDownToWholeRecordsAndPartialOnesAreNotRead) {
    QTemporaryDir dir;
    // Five records of seven characters and a torn sixth.
    const QString path = writeFile(dir, "The catdon't gI am ona dog.,A B C Dxyz");
    RecordFile file;
    ASSERT_TRUE(file.open(path, 7));
    EXPECT_EQ(file.recordCount(), 5);
    const std::pair<qint64, const char*> cases[] = {
        {0, "The cat"},  {6, "The cat"}, {7, "don't g"}, {13, "don't g"}, {27, "a dog.,"},
        {34, "A B C D"}, {35, nullptr},  {37, nullptr},  {-1, nullptr},   {1, "The cat"},
    };
    for (const auto& [offset, expected] : cases) {
        const auto record = file.recordAt(offset);
        EXPECT_EQ(record.value_or("<none>"), expected ? expected : "<none>") << offset;
    }
    // The same object opens the next list of another length; lengths below one do not open.
    EXPECT_FALSE(file.open(path, 0));
    EXPECT_FALSE(file.recordAt(0).has_value());
    ASSERT_TRUE(file.open(path, 2));
    EXPECT_EQ(file.recordAt(5), "ca");
    EXPECT_FALSE(file.open(dir.path() + "/absent.dat", 3));
    EXPECT_EQ(file.recordCount(), 0);
}

TEST(RecordFile, AHugeRecordLengthAllocatesNoMoreThanTheFileHolds) {
#ifndef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "allocations are watched through the address sanitizer";
#else
    static const bool installed =
        __sanitizer_install_malloc_and_free_hooks(noteAllocation, noteFree);
    ASSERT_TRUE(installed);
    QTemporaryDir dir;
    RecordFile file;
    ASSERT_TRUE(file.open(writeFile(dir, "0123456789"), INT_MAX - 1));
    g_largest = 0;
    EXPECT_FALSE(file.recordAt(3).has_value());
    EXPECT_LT(g_largest.load(), size_t(1) << 20);
#endif
}
