#include "reading_fixture.h"

#include "reading/scr.h"

#include <QFontMetrics>

namespace {
int printed(const QFont& f, const QString& s) { return QFontMetrics(f).horizontalAdvance(s); }
bool rowIsWhite(const QImage& im, int y, int x0, int x1) {
    for (int x = x0; x <= x1; ++x)
        if (im.pixel(x, y) != qRgb(255, 255, 255))
            return false;
    return true;
}
} // namespace

using TextBoxLoad = ReadingTest;

TEST_F(TextBoxLoad, LineEndsOfEveryKindBecomeLineFeedsAndTheWindowHearsOfIt) {
    ImageHost host;
    ScrollTextBox box(1);
    ASSERT_TRUE(box.load(reading("r.dat", "one\r\ntwo\rthree\nfour\n")));
    EXPECT_EQ(box.DisplayText, "one\ntwo\nthree\nfour\n");
    EXPECT_EQ(box.Loaded, 1);
    EXPECT_EQ(host.progressMax, box.DisplayText.size());
    EXPECT_EQ(host.progress, -1);
    EXPECT_EQ(host.loaded, 1);
    // Drawn top to bottom, one record per line.
    // The line feed ending the text ends the last line.
    ASSERT_EQ(box.Display.lines().size(), 4u);
    EXPECT_EQ(box.Display.lines().back().text, "one");
    EXPECT_EQ(box.Display.lines().front().text, "four");
    // The exercise window's pad flag adds 30 line feeds so the end can reach the top.
    host.pad = true;
    box.load(reading("r.dat", "x\n"));
    EXPECT_EQ(box.DisplayText, "x\n" + QString(30, '\n'));
    EXPECT_EQ(box.TextLength(), 32);
}

TEST_F(TextBoxLoad, UnreadableFilesAreReportedAndTheOldTextStays) {
    ImageHost host;
    ScrollTextBox box(1);
    box.load(reading("good.dat", "kept text\n"));
    ModalScript script;
    script.answer("pr_bas/p99.dat", "Could not read file", IDOK)
        .answer("Could not read file", "is not a plain text file", IDOK);
    EXPECT_FALSE(box.load("pr_bas/p99.dat"));
    EXPECT_FALSE(box.load(ownFile("bin.txt", QByteArray("ab\0cd", 5))));
    EXPECT_EQ(box.DisplayText, "kept text\n");
    EXPECT_EQ(host.loaded, 1);
}

TEST_F(TextBoxLoad, OwnFilesAreDecodedAsUtf8OrLatin1AndCountedInCharacters) {
    ImageHost host;
    ScrollTextBox box(1);
    box.load(ownFile("u.txt", "caf\xc3\xa9 \xe2\x82\xac 5\n"));
    EXPECT_EQ(box.DisplayText, QString::fromUtf8("café € 5\n"));
    EXPECT_EQ(box.TextLength(), 9);
    box.load(ownFile("l.txt", "caf\xe9\n"));
    EXPECT_EQ(box.DisplayText, QString::fromUtf8("café\n"));
    box.load(ownFile("e.txt", "\xf0\x9f\x98\x80!\n"));
    EXPECT_EQ(box.TextLength(), 3) << "a character outside the BMP counts once";
}

TEST_F(TextBoxLoad, OwnParagraphsAreWrappedAtSpacesToFitTheScreen) {
    ImageHost host;
    ScrollTextBox box(1);
    QByteArray para;
    for (int i = 0; i < 400; ++i)
        para += "word" + QByteArray::number(i) + " ";
    const QByteArray longWord(3000, 'x');
    box.load(ownFile("p.txt", para + "\n" + longWord));
    const QStringList shown = box.DisplayText.split('\n');
    ASSERT_GT(shown.size(), 6);
    const int limit = int(0.9 * 1024);
    for (const QString& line : shown) {
        EXPECT_LE(printed(box.NormalFont, line.trimmed()), limit) << line.toStdString();
        EXPECT_FALSE(line.startsWith(' ') && line.trimmed().startsWith("word"));
    }
    // Only spaces became line feeds in the paragraph; the long word was cut.
    EXPECT_EQ(box.DisplayText.count("word"), 400);
    EXPECT_EQ(QString(box.DisplayText).remove('\n').count('x'), 3000);
    EXPECT_FALSE(box.NewSize()) << "a wrapped text always fits";
    EXPECT_LE(box.TextWidth + 2 * box.Offset, 1024);
}

TEST_F(TextBoxLoad, BadFilesNeitherCrashNorHang) {
    ImageHost host(QSize(500, 300));
    ScrollTextBox box(1);
    struct Case {
        const char* what;
        QByteArray bytes;
        int lines;
    };
    const Case cases[] = {
        {"empty", "", 0},
        {"only line feeds", QByteArray(5000, '\n'), 5000},
        {"one line of 10,000 characters", QByteArray(10000, 'a') + "\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(box.load(reading("bad.dat", c.bytes)));
        EXPECT_EQ(box.DisplayText.count('\n'), c.lines);
        for (int i = 0; i < 200; ++i)
            box.LineUp();
    }
    // The long line of one of our readings is not wrapped: too wide for the
    // screen, so the page keeps its earlier size.
    EXPECT_EQ(box.WidestLineChars, 10000);
    EXPECT_LT(box.TextWidth, 1024);
    // The empty text: background and empty page drawn, progress set, no lines.
    ModalScript script;
    box.load(reading("bad.dat", ""));
    EXPECT_TRUE(box.Display.lines().empty());
    EXPECT_EQ(host.progress, -1);
    const QRect page = box.pageRect();
    EXPECT_TRUE(rowIsWhite(host.image, page.center().y(), page.left() + 1, page.right() - 1));
    EXPECT_EQ(host.image.pixel(3, 3), qRgb(0xC0, 0xC0, 0xC0));
}

using TextBoxMeasure = ReadingTest;

TEST_F(TextBoxMeasure, LinesMeasuredForWidthAndAverage) {
    ImageHost host;
    ScrollTextBox box(1);
    struct Case {
        const char* what;
        QByteArray bytes;
        int widestChars, average;
        QString widest;
    };
    const Case cases[] = {
        {"complete lines", "ab\nabcdef\nabcd\n", 6, 4, "abcdef"},
        {"unended last line shown, not measured", "ab\nabcd\nWWWWWWWWWWWW", 4, 3, "abcd"},
        {"no complete line", "WWWW", 0, 70, ""},
        {"trailing spaces do not widen", "iiii      \nmmm\n", 10, 6, "mmm"},
        {"but the kept line has them", "mmm   \nii\n", 6, 4, "mmm   "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        box.load(reading("m.dat", c.bytes));
        EXPECT_EQ(box.WidestLineChars, c.widestChars);
        EXPECT_EQ(box.AverageLineChars, c.average);
        EXPECT_EQ(box.WidestLine, c.widest);
        EXPECT_EQ(box.TextWidth, printed(box.NormalFont, c.widest.trimmed()) + 2 * box.Margin);
    }
}

TEST_F(TextBoxMeasure, PageFitsTheWidestLineAndTheWindowFollows) {
    ImageHost host(QSize(300, 400));
    ScrollTextBox box(1);
    const int m = std::clamp(2 * printed(box.NormalFont, "M"), 4, 30);
    box.load(reading("w.dat", "A short line.\nA somewhat longer line of the reading.\n"));
    EXPECT_EQ(box.Margin, m);
    EXPECT_EQ(box.Offset, m);
    const int client = box.TextWidth + 2 * box.Offset;
    ASSERT_EQ(host.outerWidths.size(), 1u);
    EXPECT_EQ(host.outerWidths[0], client + ImageHost::kFrame);
    EXPECT_EQ(host.image.width(), client);
    EXPECT_EQ(iniInt("Ann", "SpeedTestScreenWidth"), client + ImageHost::kFrame);
    EXPECT_EQ(box.TextHeight, 400 - 2 * box.Offset);
    // The page: white inside a black frame, grey around it.
    const QRect page = box.pageRect();
    EXPECT_EQ(page, QRect(m, m, client - 2 * m, box.TextHeight));
    EXPECT_EQ(host.image.pixel(page.left(), page.center().y()), qRgb(0, 0, 0));
    EXPECT_EQ(host.image.pixel(page.left() + 1, page.bottom() - 1), qRgb(255, 255, 255));
    EXPECT_EQ(host.image.pixel(page.left() - 2, page.center().y()), qRgb(0xC0, 0xC0, 0xC0));
    // Text is drawn at (Offset + Margin, Offset + Margin): ink in the first line's band only
    // from there on.
    EXPECT_TRUE(rowIsWhite(host.image, 2 * m - 1, page.left() + 1, page.right() - 1));
    bool ink = false;
    for (int y = 2 * m; y < 2 * m + box.LineHeight; ++y)
        ink = ink || !rowIsWhite(host.image, y, 2 * m, page.right() - 1);
    EXPECT_TRUE(ink);
}

TEST_F(TextBoxMeasure, FontSizesStepAndAreUndoneWhenTheTextWouldNotFit) {
    ImageHost host;
    ScrollTextBox box(1);
    box.load(reading("f.dat", "A line of some forty characters or so.\n"));
    box.FontLarger();
    EXPECT_EQ(box.FontSize, 16);
    EXPECT_EQ(box.NormalFont.pixelSize(), 16);
    EXPECT_EQ(box.BoldFont.pixelSize(), 16);
    EXPECT_EQ(iniInt("Ann", "SpeedTestFontSize"), 16);
    box.FontSmaller();
    box.FontSmaller();
    EXPECT_EQ(box.FontSize, 12); // 16 * 0.9 = 14.4 -> 14, 14 * 0.9 = 12.6 -> 12
    EXPECT_EQ(box.SmallFont.pixelSize(), 9);
    // Shrinking stops at the smallest readable size.
    for (int i = 0; i < 30; ++i)
        box.FontSmaller();
    EXPECT_EQ(box.FontSize, TextBox::kMinFontSize);
    // Growing stops, unchanged and without a trace, when the line would pass 0.9 of the screen.
    for (int i = 0; i < 60; ++i)
        box.FontLarger();
    const int size = box.FontSize;
    const int width = box.TextWidth;
    EXPECT_LT(size, TextBox::kMaxFontSize);
    box.FontLarger();
    EXPECT_EQ(box.FontSize, size);
    EXPECT_EQ(box.NormalFont.pixelSize(), size);
    EXPECT_EQ(box.TextWidth, width);
    EXPECT_EQ(iniInt("Ann", "SpeedTestFontSize"), size);
    EXPECT_LE(printed(box.NormalFont, box.WidestLine.trimmed()), int(0.9 * 1024));
}

TEST_F(TextBoxMeasure, OwnTextIsRewrappedWhenTheFontChanges) {
    ImageHost host;
    ScrollTextBox box(1);
    QByteArray para;
    for (int i = 0; i < 300; ++i)
        para += "word ";
    box.load(ownFile("p.txt", para + "\n"));
    const int linesAt14 = box.DisplayText.count('\n');
    box.FontLarger();
    box.FontLarger();
    EXPECT_EQ(box.FontSize, 18); // 14 -> 16 -> 18
    EXPECT_GT(box.DisplayText.count('\n'), linesAt14);
    EXPECT_EQ(box.TextLength(), 1501) << "wrapping replaces spaces; nothing is added";
}

using TextBoxDraw = ReadingTest;

TEST_F(TextBoxDraw, PageLinesLastFullLineAndTheNearEndCall) {
    ImageHost host(QSize(400, 200));
    ScrollTextBox box(1);
    box.load(reading("d.dat", lines(40)));
    const int h = box.LineHeight;
    // Lines go on while the next one starts above Offset + TextHeight - h.
    int drawn = 0;
    for (int y = box.Offset + box.Margin; ; y += h) {
        ++drawn;
        if (y + h >= box.Offset + box.TextHeight - h)
            break;
    }
    EXPECT_EQ(int(box.Display.lines().size()), drawn);
    EXPECT_EQ(box.LastFullLine, drawn - 2);
    EXPECT_EQ(host.nearEnd, 0);
    // A short text whose end is on the page: the near-end call comes.
    box.load(reading("d.dat", "one\ntwo\nthree\n"));
    EXPECT_GT(host.nearEnd, 0);
    // Bottom-line redraw: only line LastFullLine + 1 is drawn and recorded.
    box.load(reading("d.dat", lines(40)));
    box.Display.LinesErase();
    box.TextAllRedraw(nullptr, 2);
    ASSERT_EQ(box.Display.lines().size(), 1u);
    EXPECT_EQ(box.Display.lines().front().text, QStringLiteral("line %1").arg(box.LastFullLine + 1));
}

TEST_F(TextBoxDraw, APageOfOneLineRedrawsLineZeroAtTheBottom) {
    ImageHost host(QSize(400, 120));
    ScrollTextBox box(1);
    box.load(reading("d.dat", lines(10)));
    box.FontLarger();
    box.FontLarger();
    box.FontLarger();
    ASSERT_LT(box.TextHeight, 3 * box.LineHeight);
    EXPECT_EQ(box.LastFullLine, -1);
    box.Display.LinesErase();
    box.TextAllRedraw(nullptr, 2);
    ASSERT_EQ(box.Display.lines().size(), 1u);
    EXPECT_EQ(box.Display.lines().front().text, "line 0");
}
