// The list reader, and the build's data tree read the way the program reads it.

#include "drill/record_file.h"
#include "reading/question_file.h"
#include "support/temp_state.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <atomic>
#include <climits>

#ifdef __SANITIZE_ADDRESS__
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*, size_t),
                                                         void (*)(const volatile void*));
#endif

namespace {

std::atomic<size_t> g_largest{0}; // the largest allocation since it was last cleared

const QString kDataDir = QStringLiteral(SKIM_BUILD_DATA_DIR);

QString readText(const QString& path) {
    QFile f(kDataDir + "/" + path);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

QStringList linesOf(const QString& path) {
    QStringList lines = readText(path).split(QRegularExpression(QStringLiteral("\r?\n")));
    if (lines.back().isEmpty()) lines.removeLast();
    return lines;
}

} // namespace

TEST(DataTree, ReadingsAreListedNumberedAndPlainWithLinesThatFitTheWindow) {
    QStringList texts = {"instr.dat", "instr_pr.dat"};
    for (const QString mode : {"bas", "adv"}) {
        SCOPED_TRACE(mode.toStdString());
        // At most 100 titles, each followed by a line whose leading number names the file.
        const QStringList list = linesOf("pr_" + mode + ".dat");
        EXPECT_TRUE(list.size() >= 2 && list.size() <= 200 && list.size() % 2 == 0) << list.size();
        QSet<int> numbers;
        for (int i = 1; i < list.size(); i += 2) {
            const int number = list[i].section(' ', 0, 0, QString::SectionSkipEmpty).toInt();
            numbers.insert(number);
            texts << QStringLiteral("pr_%1/p%2.dat").arg(mode).arg(number);
        }
        EXPECT_EQ(numbers.size(), list.size() / 2) << "a reading is listed twice";
        // The speed-test number counts up from 1: a gap would end the tests early.
        const int count = int(QDir(kDataDir + "/st_" + mode).entryList({"st*.dat"}).size());
        EXPECT_GE(count, 10);
        for (int n = 1; n <= count; ++n)
            texts << QStringLiteral("st_%1/st%2.dat").arg(mode).arg(n);
    }
    static const QRegularExpression notPlain(QStringLiteral("[^\\x20-\\x7E]"));
    for (const QString& file : texts) {
        SCOPED_TRACE(file.toStdString());
        const QStringList lines = linesOf(file);
        ASSERT_FALSE(lines.join("").trimmed().isEmpty()) << "missing or empty";
        for (int i = 0; i < lines.size(); ++i) {
            // The reading window is as wide as the widest line.
            EXPECT_LE(lines[i].size(), 64) << "line " << i + 1;
            EXPECT_FALSE(lines[i].contains(notPlain)) << "line " << i + 1 << " is not plain ASCII";
        }
    }
}

TEST(DataTree, EverySpeedTestHasEightQuestionsWithTheRightAnswersSpreadOverThePlaces) {
    for (const QString mode : {"bas", "adv"}) {
        const QDir dir(kDataDir + "/st_" + mode);
        const QStringList texts = dir.entryList({"st*.dat"}), files = dir.entryList({"st*.q"});
        EXPECT_EQ(files.size(), texts.size()) << "a question file for every test, and no other";
        for (const QString& text : texts) {
            const QString name = "st_" + mode + "/" + questionFileName(text);
            SCOPED_TRACE(name.toStdString());
            // Four options with one "+" each, or the parser says where not.
            const QuestionFile file = parseQuestions(QString::fromUtf8(readFile(kDataDir + "/" + name)));
            ASSERT_TRUE(file.ok()) << file.errorLine << ": " << file.error.toStdString();
            ASSERT_EQ(file.questions.size(), 8u);
            int atPlace[kOptionsPerQuestion] = {};
            for (const Question& q : file.questions) {
                ++atPlace[q.correct];
                EXPECT_EQ(QSet<QString>(q.options.begin(), q.options.end()).size(),
                          kOptionsPerQuestion)
                    << "an option twice: " << q.text.toStdString();
            }
            // No place is a safe guess for a reader who has not read the text.
            for (int place = 0; place < kOptionsPerQuestion; ++place)
                EXPECT_TRUE(atPlace[place] >= 1 && atPlace[place] <= 3) << "place " << place + 1;
        }
    }
}

TEST(DataTree, NoHelpLinkIsDead) {
    static const QRegularExpression href(QStringLiteral("href\\s*=\\s*[\"']([^\"':#]*)[\"'#]"),
                                         QRegularExpression::CaseInsensitiveOption);
    const auto links = [](const QString& page) {
        QStringList out;
        for (auto it = href.globalMatch(readText("help/" + page)); it.hasNext();)
            out << it.next().captured(1);
        out.removeAll(QString());
        return out;
    };
    ASSERT_FALSE(links("contents.html").isEmpty());
    for (const QString& page : QDir(kDataDir + "/help").entryList({"*.html"}, QDir::Files))
        for (const QString& target : links(page))
            EXPECT_TRUE(QFile::exists(kDataDir + "/help/" + target))
                << page.toStdString() << " links to missing " << target.toStdString();
}

TEST(RecordFile, ReadsWholeRecordsOnlyAndNeverAllocatesMoreThanTheFileHolds) {
    QTemporaryDir dir;
    // Five records of seven characters and a torn sixth.
    const QString list = writeFile(dir.path() + "/list.dat", "The catdon't gI am ona dog.,A B C Dxyz");
    RecordFile file;
    ASSERT_TRUE(file.open(list, 7));
    EXPECT_EQ(file.recordCount(), 5);
    const std::pair<qint64, const char*> cases[] = {
        {6, "The cat"}, {7, "don't g"}, {34, "A B C D"}, {35, nullptr}, {-1, nullptr}};
    for (const auto& [offset, expected] : cases)
        EXPECT_EQ(file.recordAt(offset).value_or("-"), expected ? expected : "-") << offset;
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
    ASSERT_TRUE(file.open(list, INT_MAX - 1));
    g_largest = 0;
    EXPECT_FALSE(file.recordAt(3).has_value());
    EXPECT_LT(g_largest.load(), size_t(1) << 20);
#endif
}
