#include "book/epub_book.h"

#include "book/book_archive.h"
#include "book/book_package.h"
#include "book/xhtml_text.h"

#include <QFileInfo>
#include <QHash>

namespace {

const QString kContainer = QStringLiteral("META-INF/container.xml");
const QString kEncryption = QStringLiteral("META-INF/encryption.xml");

BookResult failure(BookError error, const QString& entry = {}) {
    BookResult r;
    r.error = error;
    r.entry = entry;
    return r;
}

BookError errorOf(BookArchive::Status status, BookError missing) {
    switch (status) {
    case BookArchive::Status::Ok:
        return BookError::None;
    case BookArchive::Status::Missing:
        return missing;
    case BookArchive::Status::TooLarge:
        return BookError::TooLarge;
    case BookArchive::Status::EntryTooLarge:
        return BookError::ChapterTooLarge;
    case BookArchive::Status::Damaged:
        break;
    }
    return BookError::Damaged;
}

// Titles by document path: the first entry of the table of contents for each.
QHash<QString, QString> tocTitles(BookArchive& zip, const QString& opfPath,
                                  const BookPackage::Package& package) {
    using namespace BookPackage;
    QString tocPath;
    std::vector<TocEntry> entries;
    QByteArray bytes;
    if (const auto nav = navItem(package)) {
        tocPath = resolve(opfPath, nav->href);
        if (zip.read(tocPath, kMaxChapterBytes, bytes) == BookArchive::Status::Ok)
            entries = readNav(bytes);
    }
    if (entries.empty() && package.manifest.contains(package.ncxId)) {
        tocPath = resolve(opfPath, package.manifest.value(package.ncxId).href);
        if (zip.read(tocPath, kMaxChapterBytes, bytes) == BookArchive::Status::Ok)
            entries = readNcx(bytes);
    }
    QHash<QString, QString> titles;
    for (const TocEntry& e : entries) {
        const QString doc = resolve(tocPath, e.href);
        if (!doc.isEmpty() && !e.title.isEmpty() && !titles.contains(doc)) titles.insert(doc, e.title);
    }
    return titles;
}

} // namespace

bool isBookFile(const QString& path) {
    return startsLikeZip(path) ||
           QFileInfo(path).suffix().compare(u"epub", Qt::CaseInsensitive) == 0;
}

BookResult readBook(const QString& path) {
    using namespace BookPackage;
    if (!QFileInfo(path).isReadable()) return failure(BookError::CannotOpen);
    if (!startsLikeZip(path)) return failure(BookError::NotZip);
    BookArchive zip(path, kMaxBookBytes);
    if (!zip.open()) return failure(BookError::Damaged);
    if (!zip.contains(kContainer)) return failure(BookError::NotBook);

    QByteArray bytes;
    if (const BookError e = errorOf(zip.read(kContainer, kMaxChapterBytes, bytes), BookError::NotBook);
        e != BookError::None)
        return failure(e, kContainer);
    const QString opfPath = resolve(QString(), packagePath(bytes));
    if (opfPath.isEmpty()) return failure(BookError::NoPackage, kContainer);
    if (const BookError e = errorOf(zip.read(opfPath, kMaxChapterBytes, bytes), BookError::NoPackage);
        e != BookError::None)
        return failure(e, opfPath);
    const Package package = readPackage(bytes);
    if (!package.hasSpine) return failure(BookError::NoSpine, opfPath);

    QStringList documents;
    for (const QString& id : package.spine) {
        const QString doc = resolve(opfPath, package.manifest.value(id).href);
        // Documents the spine names but the archive lacks are skipped.
        if (!doc.isEmpty() && zip.contains(doc) && !documents.contains(doc)) documents << doc;
    }
    if (documents.isEmpty()) return failure(BookError::NoDocuments, opfPath);

    // Encrypted content documents are DRM; obfuscated fonts alone are not.
    if (zip.contains(kEncryption)) {
        if (const BookError e = errorOf(zip.read(kEncryption, kMaxChapterBytes, bytes), BookError::None);
            e != BookError::None)
            return failure(e, kEncryption);
        for (const QString& uri : encryptedEntries(bytes))
            if (documents.contains(uri)) return failure(BookError::Protected, uri);
    }

    // Sizes the archive gives are checked before anything is unpacked; the bytes are counted
    // again as they come, as a size may lie.
    qint64 total = 0;
    for (const QString& doc : documents) {
        if (zip.size(doc) > kMaxChapterBytes) return failure(BookError::ChapterTooLarge, doc);
        total += zip.size(doc);
    }
    if (total > kMaxBookBytes) return failure(BookError::TooLarge);

    BookResult result;
    const QHash<QString, QString> titles = tocTitles(zip, opfPath, package);
    for (const QString& doc : documents) {
        if (const BookError e = errorOf(zip.read(doc, kMaxChapterBytes, bytes), BookError::Damaged);
            e != BookError::None)
            return failure(e, doc);
        PageText page = xhtmlToText(bytes);
        const int words = countWords(page.text);
        if (words < kMinChapterWords) continue;
        QString title = titles.value(doc);
        if (title.isEmpty()) title = page.heading;
        if (title.isEmpty())
            title = QStringLiteral("Section %1").arg(result.book.chapters.size() + 1);
        result.book.chapters.push_back({title, std::move(page.text), words});
    }
    if (result.book.chapters.empty()) return failure(BookError::NoChapters, opfPath);
    result.book.title = package.title.isEmpty() ? QFileInfo(path).completeBaseName() : package.title;
    return result;
}

QString bookProblem(const QString& path, const BookResult& result) {
    const QString& entry = result.entry;
    QString why;
    switch (result.error) {
    case BookError::None:
        return {};
    case BookError::CannotOpen:
        why = QStringLiteral("cannot be opened.");
        break;
    case BookError::NotZip:
        why = QStringLiteral("is not an e-book: an EPUB book is a zip archive, and this file is not one.");
        break;
    case BookError::Damaged:
        why = entry.isEmpty() ? QStringLiteral("is damaged: its zip archive cannot be read.")
                              : QStringLiteral("is damaged: \"%1\" in it cannot be read.").arg(entry);
        break;
    case BookError::NotBook:
        why = QStringLiteral("is a zip archive but not an EPUB book: it has no \"META-INF/container.xml\".");
        break;
    case BookError::NoPackage:
        why = entry == kContainer
                  ? QStringLiteral("is damaged: its \"META-INF/container.xml\" names no package document.")
                  : QStringLiteral("is damaged: its package document \"%1\" is missing.").arg(entry);
        break;
    case BookError::NoSpine:
        why = QStringLiteral("is damaged: its package document \"%1\" gives no reading order (spine).").arg(entry);
        break;
    case BookError::NoDocuments:
        why = QStringLiteral("is damaged: none of the documents its reading order names is in it.");
        break;
    case BookError::NoChapters:
        why = QStringLiteral("has no chapter of %1 words or more to read.").arg(kMinChapterWords);
        break;
    case BookError::Protected:
        why = QStringLiteral("\nThis book is protected against copying (DRM) and cannot be read.");
        return path + why;
    case BookError::TooLarge:
        why = QStringLiteral("is too large to be read here: it unpacks to more than 64 MB.");
        break;
    case BookError::ChapterTooLarge:
        why = QStringLiteral("is too large to be read here: its part \"%1\" is over 20 MB.").arg(entry);
        break;
    }
    return path + QStringLiteral("\n") + why;
}
