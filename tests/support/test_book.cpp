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
        file.close();
    }
    zip.close();
    return zip.getZipError() == 0;
}

QString someWords(int n, const QString& tag) {
    QStringList words;
    for (int i = 1; i <= n; ++i)
        words << tag + QString::number(i);
    return words.join(u' ');
}

QString TestBook::chapterPath(int index) const {
    return folder + u'/' + textFolder + QStringLiteral("/c%1.xhtml").arg(index + 1);
}

std::vector<ZipEntry> TestBook::entries() const {
    const QString rel = textFolder + u'/';
    QString manifest, spine, toc;
    for (size_t i = 0; i < chapters.size(); ++i) {
        const QString href = rel + QStringLiteral("c%1.xhtml").arg(i + 1);
        manifest += QStringLiteral("<item id=\"c%1\" href=\"%2\" media-type=\"application/xhtml+xml\"/>")
                        .arg(i + 1)
                        .arg(href);
        spine += QStringLiteral("<itemref idref=\"c%1\"/>").arg(i + 1);
        if (chapters[i].tocTitle.isEmpty()) continue;
        toc += epub3 ? QStringLiteral("<li><a href=\"%1#top\">%2</a></li>").arg(href, chapters[i].tocTitle)
                     : QStringLiteral("<navPoint id=\"n%1\"><navLabel><text>%2</text></navLabel>"
                                      "<content src=\"%3#top\"/></navPoint>")
                           .arg(i + 1)
                           .arg(chapters[i].tocTitle, href);
    }
    const QString tocItem =
        epub3 ? QStringLiteral("<item id=\"nav\" href=\"nav.xhtml\" properties=\"nav\" "
                               "media-type=\"application/xhtml+xml\"/>")
              : QStringLiteral("<item id=\"ncx\" href=\"toc.ncx\" media-type=\"application/x-dtbncx+xml\"/>");
    const QString opf =
        QStringLiteral("<?xml version=\"1.0\"?><package xmlns=\"http://www.idpf.org/2007/opf\" "
                       "version=\"%1\"><metadata xmlns:dc=\"http://purl.org/dc/elements/1.1/\">"
                       "<dc:title>%2</dc:title></metadata><manifest>%3%4</manifest>"
                       "<spine%5>%6</spine></package>")
            .arg(epub3 ? "3.0" : "2.0", title, tocItem, manifest,
                 epub3 ? QString() : QStringLiteral(" toc=\"ncx\""), spine);
    std::vector<ZipEntry> out{
        {"mimetype", "application/epub+zip"},
        {"META-INF/container.xml",
         QStringLiteral("<?xml version=\"1.0\"?><container version=\"1.0\" "
                        "xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\"><rootfiles>"
                        "<rootfile full-path=\"%1\" media-type=\"application/oebps-package+xml\"/>"
                        "</rootfiles></container>")
             .arg(packagePath())
             .toUtf8()},
        {packagePath(), opf.toUtf8()},
    };
    if (epub3)
        out.push_back({folder + "/nav.xhtml",
                       QStringLiteral("<html xmlns=\"http://www.w3.org/1999/xhtml\" "
                                      "xmlns:epub=\"http://www.idpf.org/2007/ops\"><body>"
                                      "<nav epub:type=\"landmarks\"><ol><li><a href=\"%1\">Start"
                                      "</a></li></ol></nav><nav epub:type=\"toc\"><ol>%2</ol></nav>"
                                      "</body></html>")
                           .arg(rel + "c1.xhtml", toc)
                           .toUtf8()});
    else
        out.push_back({folder + "/toc.ncx",
                       QStringLiteral("<ncx xmlns=\"http://www.daisy.org/z3986/2005/ncx/\">"
                                      "<navMap>%1</navMap></ncx>")
                           .arg(toc)
                           .toUtf8()});
    for (size_t i = 0; i < chapters.size(); ++i)
        out.push_back({chapterPath(int(i)),
                       ("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                        "<html xmlns=\"http://www.w3.org/1999/xhtml\"><head><title>t</title></head>"
                        "<body>" +
                        chapters[i].body + "</body></html>")
                           .toUtf8()});
    return out;
}

void setEntry(std::vector<ZipEntry>& entries, const QString& name, const QByteArray& bytes) {
    std::erase_if(entries, [&](const ZipEntry& e) { return e.name == name; });
    if (!bytes.isNull()) entries.push_back({name, bytes});
}
