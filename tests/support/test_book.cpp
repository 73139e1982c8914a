#include "support/test_book.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

bool writeZip(const QString& path, const std::vector<ZipEntry>& entries) {
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate)) return false;
    for (const ZipEntry& e : entries) {
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(e.name))) return false;
        if (file.write(e.bytes) != e.bytes.size()) return false;
    }
    zip.close();
    return zip.getZipError() == 0;
}

void setEntry(std::vector<ZipEntry>& entries, const QString& name, const QByteArray& bytes) {
    std::erase_if(entries, [&](const ZipEntry& e) { return e.name == name; });
    if (!bytes.isNull()) entries.push_back({name, bytes});
}

QString someWords(int n, const QString& tag) {
    QStringList words;
    for (int i = 1; i <= n; ++i)
        words << tag + QString::number(i);
    return words.join(u' ');
}

QByteArray xhtml(const QString& body) {
    return ("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" "
            "xmlns:epub=\"http://www.idpf.org/2007/ops\"><head><title>t</title></head><body>" + body +
            "</body></html>")
        .toUtf8();
}

QString TestBook::chapterPath(int index) const {
    return folder + u'/' + textFolder + QStringLiteral("/c%1.xhtml").arg(index + 1);
}

std::vector<ZipEntry> TestBook::entries() const {
    QString items = moreItems, refs, toc;
    for (size_t i = 1; i <= chapters.size(); ++i) {
        const QString href = textFolder + QStringLiteral("/c%1.xhtml").arg(i);
        const QString& name = chapters[i - 1].tocTitle;
        items += QStringLiteral("<item id=\"c%1\" href=\"%2\" media-type=\"application/xhtml+xml\"/>")
                     .arg(i)
                     .arg(href);
        refs += QStringLiteral("<itemref idref=\"c%1\"/>").arg(i);
        if (name.isEmpty()) continue;
        toc += epub3 ? QStringLiteral("<li><a href=\"%1#top\">%2</a></li>").arg(href, name)
                     : QStringLiteral("<navPoint id=\"n%1\"><navLabel><text>%2</text></navLabel>"
                                      "<content src=\"%3#top\"/></navPoint>")
                           .arg(i)
                           .arg(name, href);
    }
    items += epub3 ? "<item id=\"nav\" href=\"nav.xhtml\" properties=\"nav\" "
                     "media-type=\"application/xhtml+xml\"/>"
                   : "<item id=\"ncx\" href=\"toc.ncx\" media-type=\"application/x-dtbncx+xml\"/>";
    const QString opf =
        QStringLiteral("<?xml version=\"1.0\"?><package xmlns=\"http://www.idpf.org/2007/opf\" "
                       "version=\"%1\"><metadata xmlns:dc=\"http://purl.org/dc/elements/1.1/\">"
                       "<dc:title>%2</dc:title></metadata><manifest>%3</manifest>"
                       "<spine%4>%5</spine></package>")
            .arg(epub3 ? "3.0" : "2.0", title, items, epub3 ? "" : " toc=\"ncx\"",
                 spine.isEmpty() ? refs : spine);
    const QString container =
        QStringLiteral("<?xml version=\"1.0\"?><container version=\"1.0\" "
                       "xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\"><rootfiles>"
                       "<rootfile full-path=\"%1\" media-type=\"application/oebps-package+xml\"/>"
                       "</rootfiles></container>")
            .arg(packagePath());
    const ZipEntry contents =
        epub3 ? ZipEntry{folder + "/nav.xhtml",
                         xhtml(QStringLiteral("<nav epub:type=\"landmarks\"><ol><li><a href=\"%1/c1.xhtml\">"
                                              "Start</a></li></ol></nav><nav epub:type=\"toc\"><ol>%2</ol>"
                                              "</nav>")
                                   .arg(textFolder, toc))}
              : ZipEntry{folder + "/toc.ncx",
                         QStringLiteral("<ncx xmlns=\"http://www.daisy.org/z3986/2005/ncx/\"><navMap>%1"
                                        "</navMap></ncx>")
                             .arg(toc)
                             .toUtf8()};
    std::vector<ZipEntry> out{{"mimetype", "application/epub+zip"},
                              {"META-INF/container.xml", container.toUtf8()},
                              {packagePath(), opf.toUtf8()},
                              contents};
    for (size_t i = 0; i < chapters.size(); ++i)
        out.push_back({chapterPath(int(i)), xhtml(chapters[i].body)});
    return out;
}
