#include "reading_fixture.h"

#include <QFontMetrics>
#include <QRegularExpression>
#include <QStringEncoder>

namespace {
int printed(const QFont& f, const QString& s) { return QFontMetrics(f).horizontalAdvance(s); }
} // namespace

class TextBoxTest : public BoxTest {
protected:
    // Every line on the page is drawn whole inside the page, whose text is at most
    // 0.9 of the screen wide.
    void expectAllTextVisible() {
        const int right = std::min(box.pageRect().right(), box.clipRect().right());
        for (const linerec& line : box.Display.lines()) {
            const QString text = QString(line.text).remove(QRegularExpression(" +$"));
            EXPECT_LE(line.x + printed(box.NormalFont, text) - 1, right) << text.toStdString();
        }
        EXPECT_LE(box.TextWidth - 2 * box.Margin, 0.9 * desktopRect().width());
    }
};

TEST_F(TextBoxTest, LoadingReadsLineEndsOfEveryKindAndTellsTheWindow) {
    ASSERT_TRUE(box.load(reading("r.dat", "one\r\ntwo\rthree\nfour\n")));
    EXPECT_EQ(box.DisplayText, "one\ntwo\nthree\nfour\n");
    EXPECT_EQ(std::tuple(host.progressMax, host.progress, host.loaded),
              std::tuple(int(box.DisplayText.size()), -1, 1));
    // The exercise window's pad flag adds 30 line feeds so the end can reach the top.
    host.pad = true;
    box.load(reading("r.dat", "x\n"));
    EXPECT_EQ(box.TextLength(), 32);
    // Own files: UTF-8, else Latin-1, or UTF-16 after its byte-order mark; a mark is
    // never shown. Characters are counted, not bytes.
    auto utf16 = [](QStringEncoder::Encoding encoding, const char* mark) {
        QStringEncoder encode(encoding);
        return mark + QByteArray(encode(u"café\r\n€\r"));
    };
    const std::pair<QByteArray, const char*> own[] = {
        {"caf\xc3\xa9 \xe2\x82\xac\n", "café €\n"},
        {"caf\xe9\n", "café\n"},
        {utf16(QStringEncoder::Utf16BE, "\xfe\xff"), "café\n€\n"},
        {"\xf0\x9f\x98\x80!\n", "😀!\n"}};
    host.pad = false;
    for (const auto& [bytes, text] : own) {
        box.load(ownFile("u.txt", bytes));
        EXPECT_EQ(box.DisplayText, QString::fromUtf8(text));
    }
    EXPECT_EQ(box.TextLength(), 3) << "a character outside the BMP counts once";
}

TEST_F(TextBoxTest, BadFilesNeitherCrashNorHang) {
    setClient(QSize(500, 300));
    const QByteArray cases[] = {QByteArray(5000, '\n'), QByteArray(10000, 'a') + "\n", ""};
    for (const QByteArray& bytes : cases) {
        // Our readings keep their lines, even one too wide for the screen; the user's
        // own files are wrapped into the page.
        ASSERT_TRUE(box.load(reading("bad.dat", bytes)));
        EXPECT_EQ(box.DisplayText, QString::fromLatin1(bytes));
        for (int i = 0; i < 200; ++i)
            box.LineUp();
        ASSERT_TRUE(box.load(ownFile("bad.txt", bytes)));
        expectAllTextVisible();
        for (int i = 0; i < 200; ++i)
            box.LineUp();
    }
    // An empty text: grey client, white page, no lines, the progress still set.
    EXPECT_TRUE(box.Display.lines().empty() && host.progress == -1);
    EXPECT_EQ(host.image.pixel(box.pageRect().center()), qRgb(255, 255, 255));
    EXPECT_EQ(host.image.pixel(3, 3), qRgb(0xC0, 0xC0, 0xC0));
}

TEST_F(TextBoxTest, OwnTextsAreMeasuredAsTheyAreDrawn) {
    const QByteArray cases[] = {
        QByteArray("one\ttwo\t\tthree ").repeated(40),
        QByteArray("\xf0\x9f\x98\x80").repeated(200) + "\n",                    // outside the BMP
        QByteArray("e\xcc\x81 \xf0\x9f\x87\xab\xf0\x9f\x87\xb7 ").repeated(60), // é, a flag
    };
    for (const QByteArray& bytes : cases) {
        SCOPED_TRACE(bytes.left(20).toStdString());
        ASSERT_TRUE(box.load(ownFile("t.txt", bytes)));
        EXPECT_GE(box.Display.lines().size(), 2u) << "wrapped";
        expectAllTextVisible();
    }
}

TEST_F(TextBoxTest, OwnParagraphsAreWrappedToAReadableMeasureAtEveryFont) {
    QByteArray para;
    for (int i = 0; i < 400; ++i)
        para += "word" + QByteArray::number(i) + " ";
    const QByteArray bytes = para + "\n" + QByteArray(3000, 'x');
    box.load(ownFile("p.txt", bytes));
    for (int font : {14, 16, 18}) {
        SCOPED_TRACE(font);
        EXPECT_EQ(box.FontSize, font);
        qsizetype longest = 0;
        for (const QString& line : box.DisplayText.split('\n'))
            longest = std::max(longest, line.trimmed().size());
        // About 70 characters a line, read in one sweep.
        EXPECT_TRUE(longest >= 55 && longest <= 85) << longest;
        expectAllTextVisible();
        box.FontLarger();
    }
    // Only line breaks changed: at spaces, inside the word wider than a line, and an
    // empty line after the paragraph.
    auto words = [](QString t) { return t.remove('\n').remove(' '); };
    EXPECT_EQ(words(box.DisplayText), words(QString::fromLatin1(bytes)));
    EXPECT_TRUE(box.DisplayText.contains("word399 \n\nxxx"));
}

TEST_F(TextBoxTest, ThePageAndTheWindowFitTheWidestLineAndFontsStep) {
    setClient(QSize(300, 400));
    box.load(reading("w.dat", "A short line.\nA somewhat longer line of the reading.\n"));
    const int client = box.TextWidth + 2 * box.Margin;
    EXPECT_EQ(host.outerWidths, std::vector<int>{client + ImageHost::kFrame});
    EXPECT_EQ(iniInt("Ann", "SpeedTestScreenWidth"), client + ImageHost::kFrame);
    box.FontSmaller();
    EXPECT_EQ(std::pair(box.BoldFont.pixelSize(), iniInt("Ann", "SpeedTestFontSize")),
              std::pair(12, 12));
    for (int i = 0; i < 30; ++i)
        box.FontSmaller();
    EXPECT_EQ(box.FontSize, TextBox::kMinFontSize);
    // Growing stops, without a trace, where the line would pass 0.9 of the screen.
    for (int i = 0; i < 60; ++i)
        box.FontLarger();
    const int size = box.FontSize, width = box.TextWidth;
    box.FontLarger();
    EXPECT_EQ(
        std::tuple(box.NormalFont.pixelSize(), box.TextWidth, iniInt("Ann", "SpeedTestFontSize")),
        std::tuple(size, width, size));
    EXPECT_LE(printed(box.NormalFont, box.WidestLine.trimmed()), int(0.9 * 1024));
    EXPECT_GT(printed(readingFont(int(size * 1.1 + 1), false), box.WidestLine.trimmed()),
              int(0.9 * 1024));
}

TEST_F(TextBoxTest, TheBottomLineTheLastFullLineAndTheNearEndCall) {
    for (int height : {90, 200}) { // a page of one line, then of several
        SCOPED_TRACE(height);
        setClient(QSize(400, height));
        box.load(reading("d.dat", lines(40)));
        const int drawn = int(box.Display.lines().size());
        const int room =
            box.Offset + box.TextHeight - box.Display.lines().front().y - box.LineHeight;
        EXPECT_TRUE(room >= 0 && room < box.LineHeight) << room; // no room for one more
        EXPECT_EQ(box.LastFullLine, drawn - 2);
        EXPECT_EQ(drawn > 1, height == 200);
        box.Display.LinesErase();
        box.TextAllRedraw(nullptr, 2); // the bottom line alone
        ASSERT_EQ(box.Display.lines().size(), 1u);
        EXPECT_EQ(box.Display.lines().front().text, QStringLiteral("line %1").arg(drawn - 1));
    }
    EXPECT_EQ(host.nearEnd, 0);
    box.load(reading("d.dat", "one\ntwo\nthree\n"));
    EXPECT_GT(host.nearEnd, 0);
}
