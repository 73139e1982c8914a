#include "book/book_text_command.h"
#include "book/epub_book.h"
#include "support/temp_state.h"
#include "support/test_book.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// A title page, three chapters (the second only with a heading of its own, the third with
// neither a toc entry nor a heading) and a short note left out of the list.
TestBook sampleBook(bool epub3) {
    TestBook book;
    book.epub3 = epub3;
    book.folder = "OPS/book";
    book.textFolder = "parts/text";
    book.chapters = {
        {"Title Page", "<h1>A Test Book</h1><p>by Nobody</p>"},
        {"The Start", "<h1>Ignored heading</h1><p>" + someWords(40, "s") + "</p><p>x &amp; y<br/>z</p>"},
        {"", "<p>a few words first</p><h2>Middle Part</h2><ul><li>" + someWords(30, "m") + "</li></ul>"},
        {"", "<p>" + someWords(31, "e") + "</p>"},
        {"Note", "<p>" + someWords(29, "n") + "</p>"},
    };
    return book;
}

class BookTest : public ::testing::Test {
protected:
    // Each book its own file.
    QString write(const std::vector<ZipEntry>& entries, const QString& name = {}) {
        const QString path =
            dir_.filePath(name.isEmpty() ? QStringLiteral("book%1.epub").arg(++written_) : name);
        EXPECT_TRUE(writeZip(path, entries));
        return path;
    }
    QTemporaryDir dir_;
    int written_ = 0;
};

} // namespace

TEST_F(BookTest, ChaptersComeInReadingOrderWithTitlesFromTheContentsOrTheirHeading) {
    for (const bool epub3 : {true, false}) {
        SCOPED_TRACE(epub3 ? "EPUB 3 with a navigation document" : "EPUB 2 with an NCX");
        const BookResult read = readBook(write(sampleBook(epub3).entries()));
        ASSERT_EQ(read.error, BookError::None);
        EXPECT_EQ(read.book.title, "A Test Book");
        ASSERT_EQ(read.book.chapters.size(), 3u);
        const BookChapter& start = read.book.chapters[0];
        EXPECT_EQ(std::pair(start.title, start.words), std::pair(QString("The Start"), 2 + 40 + 4));
        EXPECT_EQ(start.text, "Ignored heading\n\n" + someWords(40, "s") + "\n\nx & y\nz");
        EXPECT_EQ(read.book.chapters[1].title, "Middle Part");
        EXPECT_EQ(read.book.chapters[1].text, "a few words first\n\nMiddle Part\n\n" + someWords(30, "m"));
        EXPECT_EQ(read.book.chapters[2].title, "Section 3");
    }
}

TEST_F(BookTest, BadBooksAreRefusedWithAMessageThatNamesTheFile) {
    const TestBook book = sampleBook(true);
    const QString opf = book.packagePath();
    const QByteArray big(18 * 1024 * 1024, 'a');
    const auto with = [&](const QString& name, const QByteArray& bytes) {
        std::vector<ZipEntry> e = book.entries();
        setEntry(e, name, bytes);
        return e;
    };
    const auto spineOf = [&](const char* itemrefs) {
        TestBook b = book;
        b.spine = itemrefs;
        return b.entries();
    };
    std::vector<ZipEntry> tooBig = book.entries(), chapterTooBig = book.entries();
    for (int i = 0; i < 4; ++i)
        setEntry(tooBig, book.chapterPath(i), xhtml("<p>" + big + "</p>"));
    setEntry(chapterTooBig, book.chapterPath(1), QByteArray(21 * 1024 * 1024, 'b'));
    const QByteArray whole = readFile(write(book.entries(), "whole.epub"));
    const QByteArray drm = "<encryption xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\" "
                           "xmlns:enc=\"http://www.w3.org/2001/04/xmlenc#\"><enc:EncryptedData>"
                           "<enc:EncryptionMethod Algorithm=\"http://www.w3.org/2001/04/xmlenc#aes128-cbc\"/>"
                           "<enc:CipherData><enc:CipherReference URI=\"" +
                           book.chapterPath(1).toUtf8() + "\"/></enc:CipherData></enc:EncryptedData></encryption>";

    const struct {
        const char* what;
        QString path;
        BookError error;
        const char* message;
    } cases[] = {
        {"not a zip", writeFile(dir_.filePath("text.epub"), "just text, not a zip\n"),
         BookError::NotZip, "is not an e-book"},
        {"truncated zip", writeFile(dir_.filePath("half.epub"), whole.left(whole.size() / 2)),
         BookError::Damaged, "is damaged"},
        {"no container", write(with("META-INF/container.xml", QByteArray())), BookError::NotBook,
         "has no \"META-INF/container.xml\""},
        {"missing package", write(with(opf, QByteArray())), BookError::NoPackage,
         "package document \"OPS/book/content.opf\" is missing"},
        {"no spine", write(with(opf, "<package><manifest/></package>")), BookError::NoSpine,
         "gives no reading order"},
        {"spine of missing documents", write(spineOf("<itemref idref=\"gone\"/><itemref idref=\"nav\"/>")),
         BookError::NoChapters, "has no chapter of 30 words"},
        {"spine naming nothing there", write(spineOf("<itemref idref=\"gone\"/>")),
         BookError::NoDocuments, "none of the documents"},
        {"only short documents", write(spineOf("<itemref idref=\"c1\"/><itemref idref=\"c5\"/>")),
         BookError::NoChapters, "has no chapter of 30 words"},
        {"DRM", write(with("META-INF/encryption.xml", drm)), BookError::Protected,
         "protected against copying (DRM)"},
        {"over 64 MB in all", write(tooBig), BookError::TooLarge, "more than 64 MB"},
        {"a chapter over 20 MB", write(chapterTooBig), BookError::ChapterTooLarge, "over 20 MB"},
        {"missing file", dir_.filePath("nowhere.epub"), BookError::CannotOpen, "cannot be opened"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const BookResult read = readBook(c.path);
        EXPECT_EQ(read.error, c.error);
        const QString message = bookProblem(c.path, read);
        EXPECT_TRUE(message.startsWith(c.path + "\n")) << message.toStdString();
        EXPECT_TRUE(message.contains(c.message)) << message.toStdString();
        // book_text says the same and fails.
        const BookTextCommand::Output out = BookTextCommand::run({c.path});
        EXPECT_EQ(out.status, 1);
        EXPECT_EQ(out.err, message.toStdString() + "\n");
    }
}

TEST_F(BookTest, WhatTheArchiveMustNotDoIsIgnored) {
    TestBook book = sampleBook(true);
    // Entries that would land outside a folder they were unpacked to, and a spine naming them.
    book.moreItems = "<item id=\"up\" href=\"../../../outside.xhtml\"/><item id=\"abs\" "
                     "href=\"/etc/absolute.xhtml\"/><item id=\"gone\" href=\"text/none.xhtml\"/>";
    book.spine = "<itemref idref=\"up\"/><itemref idref=\"abs\"/><itemref idref=\"gone\"/>"
                 "<itemref idref=\"c2\"/><itemref idref=\"c3\"/><itemref idref=\"c4\"/>";
    std::vector<ZipEntry> entries = book.entries();
    setEntry(entries, "../outside.xhtml", xhtml("<p>" + someWords(50, "o") + "</p>"));
    setEntry(entries, "/etc/absolute.xhtml", xhtml("<p>" + someWords(50, "a") + "</p>"));
    // Obfuscated fonts are not DRM.
    setEntry(entries, "META-INF/encryption.xml",
             "<encryption><EncryptedData><EncryptionMethod Algorithm=\"http://www.idpf.org/2008/"
             "embedding\"/><CipherData><CipherReference URI=\"OPS/book/font.otf\"/></CipherData>"
             "</EncryptedData></encryption>");
    const QString path = dir_.filePath("sub/book.epub");
    QDir().mkpath(dir_.filePath("sub"));
    ASSERT_TRUE(writeZip(path, entries));
    const QStringList before = QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    const BookResult read = readBook(path);
    ASSERT_EQ(read.error, BookError::None);
    ASSERT_EQ(read.book.chapters.size(), 3u);
    EXPECT_EQ(read.book.chapters[0].title, "The Start");
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    EXPECT_FALSE(QFile::exists("/etc/absolute.xhtml"));
}

TEST_F(BookTest, BookTextPrintsTheListAChapterOrATextFile) {
    const QString path = write(sampleBook(false).entries());
    BookTextCommand::Output out = BookTextCommand::run({path});
    EXPECT_EQ(out.status, 0);
    EXPECT_EQ(out.out, "1\t46\tThe Start\n2\t36\tMiddle Part\n3\t31\tSection 3\n");
    out = BookTextCommand::run({path, "3"});
    EXPECT_EQ(out.out, someWords(31, "e").toStdString());
    out = BookTextCommand::run({path, "4"});
    EXPECT_EQ(out.status, 1);
    EXPECT_NE(out.err.find("its chapters are 1 to 3"), std::string::npos);

    const QString text = writeFile(dir_.filePath("plain.txt"), "\xEF\xBB\xBFline one\r\nline two\n");
    out = BookTextCommand::run({text});
    EXPECT_EQ(out.status, 0);
    EXPECT_EQ(out.out, "line one\nline two\n");
}
