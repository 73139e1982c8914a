#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// An entry of a zip archive the tests write.
struct ZipEntry {
    QString name;
    QByteArray bytes;
};

// Writes a zip archive; false when it could not be written.
bool writeZip(const QString& path, const std::vector<ZipEntry>& entries);

// "w1 w2 ... wn" with a tag for each chapter: n words of running text.
QString someWords(int n, const QString& tag);

// A small EPUB book as the tests build it: chapters as XHTML bodies under `folder`
// (the package document's folder) and `textFolder` below it, with an EPUB 3
// navigation document or an EPUB 2 NCX naming the chapters that have a toc title.
struct TestBook {
    struct Chapter {
        QString tocTitle; // empty: not in the table of contents
        QString body;
    };
    QString title = QStringLiteral("A Test Book");
    bool epub3 = true;
    QString folder = QStringLiteral("OEBPS");
    QString textFolder = QStringLiteral("text");
    std::vector<Chapter> chapters;

    // The chapter's path inside the archive ("OEBPS/text/c1.xhtml" for the first).
    QString chapterPath(int index) const;
    QString packagePath() const { return folder + QStringLiteral("/content.opf"); }
    // mimetype, container, package document, table of contents and chapters.
    std::vector<ZipEntry> entries() const;
    bool write(const QString& path) const { return writeZip(path, entries()); }
};

// Replaces the entry of that name, or adds it; a null `bytes` removes it.
void setEntry(std::vector<ZipEntry>& entries, const QString& name, const QByteArray& bytes);
