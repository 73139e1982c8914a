#pragma once

#include <QString>

#include <vector>

// A DRM-free EPUB (2 or 3) as chapters of plain text, in reading order.
struct BookChapter {
    QString title;
    QString text;
    int words = 0;
};

struct Book {
    QString title;
    std::vector<BookChapter> chapters;
};

enum class BookError {
    None,
    CannotOpen,
    NotZip,
    Damaged,
    NotBook,
    NoPackage,
    NoSpine,
    NoDocuments,
    NoChapters,
    Protected,
    TooLarge,
    ChapterTooLarge,
};

struct BookResult {
    BookError error = BookError::None;
    // The entry the problem is about, where there is one.
    QString entry;
    Book book;
};

// What a book may unpack to in all, and one chapter's document.
constexpr qint64 kMaxBookBytes = 64LL * 1024 * 1024;
constexpr qint64 kMaxChapterBytes = 20LL * 1024 * 1024;
// Shorter documents (covers, title pages, copyright notes) are not listed.
constexpr int kMinChapterWords = 30;

// Whether a file is read as a book: a zip archive whatever its name, or named as one.
bool isBookFile(const QString& path);

BookResult readBook(const QString& path);

// What the user is told about a book that cannot be read, naming the file.
QString bookProblem(const QString& path, const BookResult& result);
