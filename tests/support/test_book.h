#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

struct ZipEntry {
    QString name;
    QByteArray bytes;
};

// Writes a zip archive; false when it could not be written.
bool writeZip(const QString& path, const std::vector<ZipEntry>& entries);
// Replaces the entry of that name, or adds it; a null `bytes` removes it.
void setEntry(std::vector<ZipEntry>& entries, const QString& name, const QByteArray& bytes);
// "tag1 tag2 ... tagn": n words of running text.
QString someWords(int n, const QString& tag);
// An XHTML page with this body.
QByteArray xhtml(const QString& body);

// A small EPUB book: chapters under `folder` (the package document's) and `textFolder` below
// it, with an EPUB 3 navigation document or an EPUB 2 NCX naming the chapters with a toc title.
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
    QString moreItems; // manifest items besides the chapters
    QString spine;     // itemrefs; empty: the chapters in order

    // "OEBPS/text/c1.xhtml" for the first.
    QString chapterPath(int index) const;
    QString packagePath() const { return folder + QStringLiteral("/content.opf"); }
    std::vector<ZipEntry> entries() const;
    bool write(const QString& path) const { return writeZip(path, entries()); }
};
