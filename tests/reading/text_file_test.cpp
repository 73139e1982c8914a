#include "reading/text_file.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Every grapheme cluster 10 wide: a limit of 100 holds ten.
qreal tenEach(QStringView) { return 10; }

QStringList clusters(const QString& text) {
    QStringList out;
    for (qsizetype at = 0, end; at < text.size(); at = end) {
        end = clusterEnd(text, at);
        out << text.mid(at, end - at);
    }
    return out;
}

} // namespace

TEST(WrapLines, ParagraphsBreakAtSpacesToTheLimitAndStayApart) {
    const QString e = QStringLiteral("e\u0301"), smile = QStringLiteral("\U0001F600");
    const struct {
        QString text, wrapped;
    } cases[] = {
        {"ten chars!\nshort\n", "ten chars!\nshort\n"},
        // A wrapped paragraph gets an empty line after it unless one follows.
        {"aaaa bbbb cccc dddd\nnext\n", "aaaa bbbb\ncccc dddd\n\nnext\n"},
        {"aaaa bbbb cccc\n  \nnext", "aaaa bbbb\ncccc\n  \nnext"},
        // Spaces at the edge stay on the line they end.
        {"aaaa bbbb   cccc", "aaaa bbbb  \ncccc"},
        // A word wider than a line is cut at the edge, between whole clusters.
        {"aaaaaaaaaaaaa b", "aaaaaaaaaa\naaa b"},
        {e.repeated(12), e.repeated(10) + "\n" + e.repeated(2)},
        // Tabs become spaces up to the next stop of eight characters.
        {"\tx\n a\tb", "        x\n a      b"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wrapLines(c.text, tenEach, 100), c.wrapped) << c.text.toStdString();
}

TEST(WrapLines, ClustersAreWhatAReaderSeesAsOneCharacter) {
    const struct {
        QString text;
        QStringList seen;
    } cases[] = {
        {"e\u0301\u0323x", {"e\u0301\u0323", "x"}},
        {"\U0001F1EB\U0001F1F7\U0001F1E9\U0001F1EA",
         {"\U0001F1EB\U0001F1F7", "\U0001F1E9\U0001F1EA"}},
        {"\U0001F469\u200D\U0001F467\U0001F44D\U0001F3FD",
         {"\U0001F469\u200D\U0001F467", "\U0001F44D\U0001F3FD"}},
        // After Devanagari, where Qt 6.4's QTextBoundaryFinder splits both pairs.
        {"\u0915\u094D\U0001F600\U0001F1EB\U0001F1F7",
         {"\u0915\u094D", "\U0001F600", "\U0001F1EB\U0001F1F7"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(clusters(c.text), c.seen) << c.text.toStdString();
}

TEST(ReadTextFile, AFileOverTwentyMegabytesIsRefusedUnread) {
    QTemporaryDir dir;
    QFile f(dir.filePath("huge.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(kMaxTextFileBytes + 1));
    f.close();
    const TextFileResult read = readTextFile(f.fileName());
    EXPECT_TRUE(read.error == TextFileError::TooLarge && read.text.isEmpty());
    EXPECT_TRUE(textFileProblem(f.fileName(), read.error)
                    .text.endsWith("larger than 20 MB, too large to be read here."));
}
