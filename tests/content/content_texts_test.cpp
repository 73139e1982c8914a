// The texts of the build's data tree: readings, reading lists, instructions and help pages.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

const QString kDataDir = QStringLiteral(SKIM_BUILD_DATA_DIR);

QString readText(const QString& path) {
    QFile f(kDataDir + "/" + path);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

QStringList linesOf(const QString& path) {
    static const QRegularExpression lineEnd(QStringLiteral("\r?\n"));
    QStringList lines = readText(path).split(lineEnd);
    if (lines.back().isEmpty()) lines.removeLast();
    return lines;
}

// Local link targets of a page, without their #fragments.
QStringList links(const QString& html) {
    static const QRegularExpression href(QStringLiteral("href\\s*=\\s*[\"']([^\"':]*)[\"']"),
                                         QRegularExpression::CaseInsensitiveOption);
    QStringList out;
    for (auto it = href.globalMatch(html); it.hasNext();)
        out << it.next().captured(1).section('#', 0, 0);
    out.removeAll(QString());
    return out;
}

} // namespace

TEST(ContentReadings, ListedReadingsAndNumberedSpeedTestsExist) {
    for (const QString mode : {"bas", "adv"}) {
        SCOPED_TRACE(mode.toStdString());
        // At most 100 titles, each followed by a line whose leading number names the file.
        const QStringList list = linesOf("pr_" + mode + ".dat");
        EXPECT_TRUE(list.size() >= 2 && list.size() <= 200 && list.size() % 2 == 0) << list.size();
        QSet<int> numbers;
        for (int i = 1; i < list.size(); i += 2) {
            const int number = list[i].section(' ', 0, 0, QString::SectionSkipEmpty).toInt();
            numbers.insert(number);
            EXPECT_TRUE(
                QFile::exists(kDataDir + QStringLiteral("/pr_%1/p%2.dat").arg(mode).arg(number)))
                << list[i - 1].toStdString() << " names a missing file";
        }
        EXPECT_EQ(numbers.size(), list.size() / 2) << "a reading is listed twice";
        // The speed-test number counts up from 1: a gap would end the tests early.
        const int count = int(QDir(kDataDir + "/st_" + mode).entryList({"st*.dat"}).size());
        EXPECT_GE(count, 10);
        for (int n = 1; n <= count; ++n)
            EXPECT_TRUE(
                QFile::exists(kDataDir + QStringLiteral("/st_%1/st%2.dat").arg(mode).arg(n)))
                << "speed test " << n << " is missing";
    }
}

TEST(ContentReadings, TextsArePlainAsciiWithLinesThatFitTheWindow) {
    QStringList files = {"instr.dat", "instr_pr.dat"};
    for (const QString dir : {"pr_bas", "pr_adv", "st_bas", "st_adv"})
        for (const QString& name : QDir(kDataDir + "/" + dir).entryList({"*.dat"}, QDir::Files))
            files << dir + "/" + name;
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const QStringList lines = linesOf(file);
        ASSERT_FALSE(lines.join("").trimmed().isEmpty()) << "missing or empty";
        for (int i = 0; i < lines.size(); ++i) {
            static const QRegularExpression notPlain(QStringLiteral("[^\\x20-\\x7E]"));
            // The reading window is as wide as the widest line.
            EXPECT_LE(lines[i].size(), 64) << "line " << i + 1;
            EXPECT_FALSE(lines[i].contains(notPlain)) << "line " << i + 1 << " is not plain ASCII";
        }
    }
}

TEST(ContentHelp, EveryTopicHasAPageInTheContentsAndNoLinkIsDead) {
    // Every context number a Help command or button of the program asks for.
    const int topics[] = {2,  4,  10, 16, 18, 19, 21, 26, 27, 29, 30, 31, 32,
                          33, 34, 35, 37, 38, 39, 40, 42, 43, 44, 45, 46, 47};
    const QStringList contents = links(readText("help/contents.html"));
    for (int topic : topics) {
        const QString page = QStringLiteral("topic%1.html").arg(topic);
        EXPECT_FALSE(readText("help/" + page).trimmed().isEmpty()) << "no page " << topic;
        EXPECT_TRUE(contents.contains(page)) << "contents does not link topic " << topic;
    }
    for (const QString& page : QDir(kDataDir + "/help").entryList({"*.html"}, QDir::Files))
        for (const QString& target : links(readText("help/" + page)))
            EXPECT_TRUE(QFile::exists(kDataDir + "/help/" + target))
                << page.toStdString() << " links to missing " << target.toStdString();
}
