// The readings, reading lists and instructions of the build's data tree.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

const QString kDataDir = QStringLiteral(SKIM_BUILD_DATA_DIR);
const QString kSourceDataDir = QStringLiteral(SKIM_SOURCE_DIR "/data");
// The reading window is as wide as the widest line; longer lines would make it too wide.
constexpr int kMaxLineLength = 64;

QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

QStringList lines(const QByteArray& content) {
    QStringList out = QString::fromLatin1(content).split('\n');
    for (QString& l : out)
        if (l.endsWith('\r')) l.chop(1);
    if (!out.isEmpty() && out.back().isEmpty()) out.removeLast();
    return out;
}

// The reading texts and instructions, relative to the data tree.
QStringList textFiles(const QString& root) {
    QStringList files;
    for (const char* dir : {"pr_bas", "pr_adv", "st_bas", "st_adv"}) {
        const QDir d(root + "/" + dir);
        for (const QString& name : d.entryList({"*.dat"}, QDir::Files, QDir::Name))
            files << QString::fromLatin1(dir) + "/" + name;
    }
    files << "instr.dat"
          << "instr_pr.dat";
    return files;
}

struct ListEntry {
    QString title;
    int number;
};

// Entries of a reading list: a title line, then a line whose leading number names the file.
std::vector<ListEntry> readList(const QString& path, QStringList& faults) {
    std::vector<ListEntry> entries;
    const QStringList ls = lines(readAll(path));
    static const QRegularExpression leadingNumber(QStringLiteral("^\\s*(\\d+)"));
    for (int i = 0; i < ls.size(); i += 2) {
        if (i + 1 >= ls.size()) {
            faults << QStringLiteral("title \"%1\" has no number line").arg(ls[i]);
            break;
        }
        const auto m = leadingNumber.match(ls[i + 1]);
        if (ls[i].trimmed().isEmpty()) faults << QStringLiteral("line %1: empty title").arg(i + 1);
        if (!m.hasMatch()) {
            faults << QStringLiteral("line %1: \"%2\" is not a number").arg(i + 2).arg(ls[i + 1]);
            continue;
        }
        entries.push_back({ls[i], m.captured(1).toInt()});
    }
    return entries;
}

} // namespace

TEST(ContentReadings, EveryListedReadingExists) {
    for (const char* mode : {"bas", "adv"}) {
        SCOPED_TRACE(mode);
        const QString list = kDataDir + QStringLiteral("/pr_%1.dat").arg(mode);
        ASSERT_TRUE(QFileInfo::exists(list)) << list.toStdString();
        QStringList faults;
        const auto entries = readList(list, faults);
        for (const QString& f : faults)
            ADD_FAILURE() << f.toStdString();
        // The chooser lists at most 100 readings.
        EXPECT_GE(entries.size(), 1u);
        EXPECT_LE(entries.size(), 100u);
        QSet<int> numbers;
        for (const ListEntry& e : entries) {
            const QString file =
                kDataDir + QStringLiteral("/pr_%1/p%2.dat").arg(mode).arg(e.number);
            EXPECT_TRUE(QFileInfo(file).isFile())
                << "\"" << e.title.toStdString() << "\" names missing " << file.toStdString();
            EXPECT_FALSE(numbers.contains(e.number)) << "reading " << e.number << " listed twice";
            numbers.insert(e.number);
        }
    }
}

TEST(ContentReadings, SpeedTestsAreNumberedFromOneWithoutGaps) {
    static const QRegularExpression name(QStringLiteral("^st(\\d+)\\.dat$"));
    for (const char* mode : {"st_bas", "st_adv"}) {
        SCOPED_TRACE(mode);
        QList<int> numbers;
        for (const QString& f : QDir(kDataDir + "/" + mode).entryList(QDir::Files)) {
            const auto m = name.match(f);
            if (m.hasMatch()) numbers << m.captured(1).toInt();
        }
        std::sort(numbers.begin(), numbers.end());
        EXPECT_GE(numbers.size(), 10);
        for (int i = 0; i < numbers.size(); ++i)
            ASSERT_EQ(numbers[i], i + 1) << "speed test " << i + 1 << " is missing";
    }
}

TEST(ContentReadings, TextsArePlainAsciiWithShortLines) {
    const QStringList files = textFiles(kDataDir);
    ASSERT_GT(files.size(), 2);
    for (const QString& rel : files) {
        SCOPED_TRACE(rel.toStdString());
        const QByteArray content = readAll(kDataDir + "/" + rel);
        ASSERT_FALSE(content.trimmed().isEmpty()) << "missing or empty";
        int bad = 0;
        for (int i = 0; i < content.size() && bad < 3; ++i) {
            const auto c = static_cast<unsigned char>(content[i]);
            if (c != '\n' && c != '\r' && (c < 0x20 || c > 0x7E)) {
                ADD_FAILURE() << "byte " << int(c) << " at offset " << i << " is not plain ASCII";
                ++bad;
            }
        }
        const QStringList ls = lines(content);
        for (int i = 0; i < ls.size(); ++i)
            EXPECT_LE(ls[i].size(), kMaxLineLength)
                << "line " << i + 1 << ": " << ls[i].toStdString();
    }
}

TEST(ContentReadings, DataTreeHoldsExactlyTheSourceTexts) {
    // The build copies the texts; a stale or missing copy would show the user an old reading.
    QStringList source = textFiles(kSourceDataDir);
    source << "pr_bas.dat"
           << "pr_adv.dat";
    QStringList built = textFiles(kDataDir);
    built << "pr_bas.dat"
          << "pr_adv.dat";
    for (const QString& rel : source) {
        if (!built.contains(rel))
            ADD_FAILURE() << rel.toStdString() << " is missing from the data tree";
        else if (readAll(kDataDir + "/" + rel) != readAll(kSourceDataDir + "/" + rel))
            ADD_FAILURE() << rel.toStdString() << " differs from its source";
    }
    for (const QString& rel : built)
        EXPECT_TRUE(source.contains(rel)) << rel.toStdString() << " has no source any more";
}
