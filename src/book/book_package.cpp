#include "book/book_package.h"

#include <QDir>
#include <QUrl>
#include <QXmlStreamReader>

namespace {

bool is(const QXmlStreamReader& r, QStringView name) {
    return r.name().compare(name, Qt::CaseInsensitive) == 0;
}

QString attribute(const QXmlStreamReader& r, QStringView name) {
    for (const QXmlStreamAttribute& a : r.attributes())
        if (a.name() == name) return a.value().toString();
    return {};
}

// The text of the element the reader stands on, its children's included.
QString elementText(QXmlStreamReader& r) {
    return r.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
}

} // namespace

namespace BookPackage {

QString packagePath(const QByteArray& container) {
    QXmlStreamReader r(container);
    QString first;
    while (!r.atEnd()) {
        if (r.readNext() != QXmlStreamReader::StartElement || !is(r, u"rootfile")) continue;
        const QString path = attribute(r, u"full-path");
        if (attribute(r, u"media-type") == u"application/oebps-package+xml" && !path.isEmpty())
            return path;
        if (first.isEmpty()) first = path;
    }
    return first;
}

Package readPackage(const QByteArray& opf) {
    Package p;
    QXmlStreamReader r(opf);
    while (!r.atEnd()) {
        if (r.readNext() != QXmlStreamReader::StartElement) continue;
        if (is(r, u"title") && p.title.isEmpty()) {
            p.title = elementText(r);
        } else if (is(r, u"item")) {
            const QString id = attribute(r, u"id");
            if (!id.isEmpty() && !p.manifest.contains(id))
                p.manifest.insert(id, {attribute(r, u"href"), attribute(r, u"media-type"),
                                       attribute(r, u"properties")});
        } else if (is(r, u"spine")) {
            p.hasSpine = true;
            p.ncxId = attribute(r, u"toc");
        } else if (is(r, u"itemref")) {
            // Notes and pop-ups outside the reading order are not chapters.
            if (attribute(r, u"linear") != u"no") p.spine << attribute(r, u"idref");
        }
    }
    return p;
}

std::optional<ManifestItem> navItem(const Package& package) {
    for (const ManifestItem& item : package.manifest)
        if (item.properties.split(u' ', Qt::SkipEmptyParts).contains(QStringLiteral("nav")))
            return item;
    return {};
}

std::vector<TocEntry> readNav(const QByteArray& nav) {
    std::vector<TocEntry> entries;
    QXmlStreamReader r(nav);
    int navDepth = 0; // depth inside the toc nav element, 0 outside it
    while (!r.atEnd()) {
        const QXmlStreamReader::TokenType t = r.readNext();
        if (t == QXmlStreamReader::StartElement) {
            if (navDepth > 0) {
                ++navDepth;
                if (is(r, u"a")) {
                    const QString href = attribute(r, u"href");
                    const QString title = elementText(r);
                    --navDepth; // readElementText consumed the end tag
                    if (!href.isEmpty()) entries.push_back({href.section(u'#', 0, 0), title});
                }
            } else if (is(r, u"nav")) {
                const QString type = attribute(r, u"type");
                if (type.split(u' ', Qt::SkipEmptyParts).contains(QStringLiteral("toc")))
                    navDepth = 1;
            }
        } else if (t == QXmlStreamReader::EndElement && navDepth > 0) {
            if (--navDepth == 0) break;
        }
    }
    return entries;
}

std::vector<TocEntry> readNcx(const QByteArray& ncx) {
    std::vector<TocEntry> entries;
    QXmlStreamReader r(ncx);
    QString label;
    while (!r.atEnd()) {
        if (r.readNext() != QXmlStreamReader::StartElement) continue;
        if (is(r, u"navPoint")) {
            label.clear();
        } else if (is(r, u"text") && label.isEmpty()) {
            label = elementText(r);
        } else if (is(r, u"content")) {
            const QString src = attribute(r, u"src");
            if (!src.isEmpty()) entries.push_back({src.section(u'#', 0, 0), label});
            label.clear();
        }
    }
    return entries;
}

QStringList encryptedEntries(const QByteArray& encryption) {
    QStringList uris;
    QXmlStreamReader r(encryption);
    while (!r.atEnd()) {
        if (r.readNext() == QXmlStreamReader::StartElement && is(r, u"CipherReference")) {
            const QString uri = resolve(QString(), attribute(r, u"URI"));
            if (!uri.isEmpty()) uris << uri;
        }
    }
    return uris;
}

QString resolve(const QString& base, const QString& href) {
    const QString target = QUrl::fromPercentEncoding(href.section(u'#', 0, 0).toUtf8());
    // A colon is a scheme or a drive: nothing inside the archive.
    if (target.isEmpty() || target.startsWith(u'/') || target.startsWith(u'\\') ||
        target.contains(u':'))
        return {};
    const QString dir = base.contains(u'/') ? base.section(u'/', 0, -2) + u'/' : QString();
    const QString path = QDir::cleanPath(dir + target);
    if (path == u".." || path.startsWith(QStringLiteral("../")) || path.startsWith(u'/')) return {};
    return path;
}

} // namespace BookPackage
