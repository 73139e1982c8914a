#include "book/xhtml_text.h"

#include "book/html_entities.h"

#include <QXmlStreamEntityResolver>
#include <QXmlStreamReader>

namespace {

enum class Role { Inline, Block, Heading, Break, Cell, Skip };

Role roleOf(QStringView tag) {
    static const QStringView blocks[] = {
        u"p",       u"div",    u"li",      u"tr",     u"blockquote", u"section", u"article",
        u"header",  u"footer", u"aside",   u"nav",    u"figure",     u"figcaption",
        u"dt",      u"dd",     u"dl",      u"ul",     u"ol",         u"table",   u"pre",
        u"address", u"hr",     u"caption", u"main",   u"body",       u"html",    u"center",
        u"thead",   u"tbody",  u"tfoot",   u"hgroup", u"details",    u"summary",
    };
    static const QStringView skipped[] = {u"script", u"style",    u"head", u"title",
                                          u"svg",    u"template", u"math"};
    if (tag.size() == 2 && tag[0] == u'h' && tag[1] >= u'1' && tag[1] <= u'6') return Role::Heading;
    if (tag == u"br") return Role::Break;
    if (tag == u"td" || tag == u"th") return Role::Cell;
    for (QStringView b : blocks)
        if (tag == b) return Role::Block;
    for (QStringView s : skipped)
        if (tag == s) return Role::Skip;
    return Role::Inline;
}

// Invisible characters that only hint at breaks or hyphens.
bool dropped(QChar c) {
    return c == QChar(0x00AD) || c == QChar(0x200B) || c == QChar(0x2060) || c == QChar(0xFEFF);
}

// Collects blocks of collapsed text.
class TextBuilder {
public:
    void start(Role role) {
        switch (role) {
        case Role::Heading:
            if (!headingDone_) capturing_ = true;
            [[fallthrough]];
        case Role::Block:
            endBlock();
            break;
        case Role::Break:
            lineBreak();
            break;
        case Role::Cell:
            space_ = true;
            break;
        default:
            break;
        }
    }

    void end(Role role) {
        if (role == Role::Heading && capturing_) {
            capturing_ = false;
            heading_ = heading_.simplified();
            headingDone_ = !heading_.isEmpty();
        }
        if (role == Role::Block || role == Role::Heading) endBlock();
    }

    void text(QStringView s) {
        for (QChar c : s) {
            if (dropped(c)) continue;
            if (c.isSpace()) {
                space_ = true;
                continue;
            }
            if (space_ && !block_.isEmpty() && !block_.endsWith(u'\n')) block_ += u' ';
            space_ = false;
            block_ += c;
        }
        if (capturing_) heading_ += s.toString();
    }

    PageText finish() {
        endBlock();
        return {blocks_.join(QStringLiteral("\n\n")), headingDone_ ? heading_ : QString()};
    }

private:
    void lineBreak() {
        block_ += u'\n';
        space_ = false;
        if (capturing_) heading_ += u' ';
    }

    void endBlock() {
        space_ = false;
        // Line feeds of <br> at a block's edges would make empty lines of their own.
        qsizetype from = 0, to = block_.size();
        while (from < to && block_[from] == u'\n') ++from;
        while (to > from && (block_[to - 1] == u'\n' || block_[to - 1] == u' ')) --to;
        if (to > from) blocks_ << block_.sliced(from, to - from);
        block_.clear();
    }

    QStringList blocks_;
    QString block_;
    QString heading_;
    bool space_ = false;
    bool capturing_ = false;
    bool headingDone_ = false;
};

QString localName(QStringView name) {
    const qsizetype colon = name.lastIndexOf(u':');
    return name.sliced(colon + 1).toString().toLower();
}

// Tag by tag without the XML rules: what cannot be parsed stays text.
void scanHtml(QStringView s, TextBuilder& out) {
    const qsizetype n = s.size();
    qsizetype i = 0;
    while (i < n) {
        if (s[i] != u'<') {
            qsizetype j = s.indexOf(u'<', i);
            if (j < 0) j = n;
            out.text(HtmlEntities::decode(s.sliced(i, j - i)));
            i = j;
            continue;
        }
        const QStringView rest = s.sliced(i);
        if (rest.startsWith(u"<!--")) {
            const qsizetype j = s.indexOf(u"-->", i + 4);
            i = j < 0 ? n : j + 3;
            continue;
        }
        if (rest.startsWith(u"<![CDATA[")) {
            qsizetype j = s.indexOf(u"]]>", i + 9);
            if (j < 0) j = n;
            out.text(s.sliced(i + 9, j - i - 9));
            i = std::min(n, j + 3);
            continue;
        }
        qsizetype k = i + 1;
        const bool closing = k < n && s[k] == u'/';
        if (closing) ++k;
        const qsizetype nameStart = k;
        while (k < n && (s[k].isLetterOrNumber() || s[k] == u':' || s[k] == u'-' || s[k] == u'_'))
            ++k;
        if (k == nameStart) {
            if (k < n && (s[k] == u'!' || s[k] == u'?')) {
                const qsizetype j = s.indexOf(u'>', k);
                i = j < 0 ? n : j + 1;
            } else {
                out.text(u"<");
                ++i;
            }
            continue;
        }
        const QString tag = localName(s.sliced(nameStart, k - nameStart));
        QChar quote;
        while (k < n) {
            const QChar c = s[k];
            if (!quote.isNull()) {
                if (c == quote) quote = QChar();
            } else if (c == u'"' || c == u'\'') {
                quote = c;
            } else if (c == u'>') {
                break;
            }
            ++k;
        }
        const bool selfClosing = k < n && s[k - 1] == u'/';
        i = std::min(n, k + 1);
        const Role role = roleOf(tag);
        if (role == Role::Skip) {
            if (closing || selfClosing) continue;
            const qsizetype j = s.indexOf(QStringLiteral("</") + tag, i, Qt::CaseInsensitive);
            const qsizetype gt = j < 0 ? -1 : s.indexOf(u'>', j);
            i = gt < 0 ? n : gt + 1;
            continue;
        }
        if (closing) {
            out.end(role);
        } else {
            out.start(role);
            if (selfClosing) out.end(role);
        }
    }
}

// Named references of HTML that the document does not declare.
class HtmlResolver : public QXmlStreamEntityResolver {
public:
    QString resolveUndeclaredEntity(const QString& name) override {
        return HtmlEntities::named(name).value_or(QString());
    }
};

} // namespace

PageText xhtmlToText(const QByteArray& document) {
    TextBuilder out;
    HtmlResolver resolver;
    QXmlStreamReader r(document);
    r.setEntityResolver(&resolver);
    int skipDepth = 0;
    while (!r.atEnd()) {
        switch (r.readNext()) {
        case QXmlStreamReader::StartElement: {
            const Role role = roleOf(localName(r.name()));
            if (skipDepth > 0 || role == Role::Skip)
                ++skipDepth;
            else
                out.start(role);
            break;
        }
        case QXmlStreamReader::EndElement:
            if (skipDepth > 0)
                --skipDepth;
            else
                out.end(roleOf(localName(r.name())));
            break;
        case QXmlStreamReader::Characters:
        case QXmlStreamReader::EntityReference:
            if (skipDepth == 0) out.text(r.text());
            break;
        default:
            break;
        }
    }
    if (r.hasError() && r.error() != QXmlStreamReader::PrematureEndOfDocumentError) {
        // Not well-formed: the rest as text with its tags removed.
        const QString whole = QString::fromUtf8(document);
        const qsizetype at = std::clamp<qsizetype>(r.characterOffset(), 0, whole.size());
        scanHtml(QStringView(whole).sliced(at), out);
    }
    return out.finish();
}

PageText htmlToText(QStringView html) {
    TextBuilder out;
    scanHtml(html, out);
    return out.finish();
}

int countWords(QStringView text) {
    int words = 0;
    bool inWord = false;
    for (QChar c : text) {
        const bool space = c.isSpace();
        if (!space && !inWord) ++words;
        inWord = !space;
    }
    return words;
}
