#include "drill/record_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <atomic>
#include <climits>

#ifdef __SANITIZE_ADDRESS__
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*, size_t),
                                                         void (*)(const volatile void*));
#endif

namespace {
std::atomic<size_t> g_largest{0}; // the largest allocation since it was last cleared
} // namespace

TEST(RecordFile, ReadsWholeRecordsOnlyAndNeverAllocatesMoreThanTheFileHolds) {
    QTemporaryDir dir;
    QFile f(dir.path() + "/list.dat");
    // Five records of seven characters and a torn sixth.
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("The catdon't gI am ona dog.,A B C Dxyz"));
    f.close();
    RecordFile file;
    ASSERT_TRUE(file.open(f.fileName(), 7));
    EXPECT_EQ(file.recordCount(), 5);
    const std::pair<qint64, const char*> cases[] = {
        {0, "The cat"},  {6, "The cat"}, {7, "don't g"}, {13, "don't g"}, {27, "a dog.,"},
        {34, "A B C D"}, {35, nullptr},  {37, nullptr},  {-1, nullptr},   {1, "The cat"}};
    for (const auto& [offset, expected] : cases)
        EXPECT_EQ(file.recordAt(offset).value_or("-"), expected ? expected : "-") << offset;
    EXPECT_FALSE(file.open(f.fileName(), 0));
    EXPECT_FALSE(file.recordAt(0).has_value());
    EXPECT_FALSE(file.open(dir.path() + "/absent.dat", 3));
#ifdef __SANITIZE_ADDRESS__
    // A record length far beyond the file (a damaged list name or caller) allocates no 2 GiB.
    static const int hooks = __sanitizer_install_malloc_and_free_hooks(
        [](const volatile void*, size_t size) {
            for (size_t seen = g_largest; size > seen;)
                if (g_largest.compare_exchange_weak(seen, size)) break;
        },
        [](const volatile void*) {});
    ASSERT_GT(hooks, 0);
    ASSERT_TRUE(file.open(f.fileName(), INT_MAX - 1));
    g_largest = 0;
    EXPECT_FALSE(file.recordAt(3).has_value());
    EXPECT_LT(g_largest.load(), size_t(1) << 20);
#endif
}
