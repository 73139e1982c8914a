#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The XML files of an EPUB that say what the book holds, read from their bytes:
// the container, the package document, the table of contents and the list of
// encrypted entries. Paths are names inside the archive.
namespace BookPackage {

// The package document that META-INF/container.xml names; empty when it names none.
QString packagePath(const QByteArray& container);

struct ManifestItem {
    QString href;
    QString mediaType;
    QString properties;
};

struct Package {
    QString title;
    QHash<QString, ManifestItem> manifest; // by id
    QStringList spine;                     // ids of the documents in reading order
    bool hasSpine = false;
    QString ncxId; // the spine's "toc" attribute (EPUB 2)
};

Package readPackage(const QByteArray& opf);

// The manifest's navigation document (EPUB 3), else nothing.
std::optional<ManifestItem> navItem(const Package& package);

// Entries of a table of contents in order: target document (href as written,
// fragment removed) and title.
struct TocEntry {
    QString href;
    QString title;
};
// The "toc" nav element of an EPUB 3 navigation document.
std::vector<TocEntry> readNav(const QByteArray& nav);
// The navMap of an EPUB 2 NCX file.
std::vector<TocEntry> readNcx(const QByteArray& ncx);

// The entries META-INF/encryption.xml marks as encrypted, as URIs from the archive's root.
QStringList encryptedEntries(const QByteArray& encryption);

// The archive path an href of a file at `base` points to; empty when it leaves the
// archive (an absolute path, "../" above the root, another scheme).
QString resolve(const QString& base, const QString& href);

} // namespace BookPackage
