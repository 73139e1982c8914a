#include "book/html_entities.h"

#include <QHash>

namespace {

// Code points 160 to 255 in order.
constexpr const char* kLatin1Names[] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",
    "uml",    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",
    "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",  "para",   "middot",
    "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest",
    "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
    "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",
    "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   "times",
    "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",
    "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
    "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
};

struct Named {
    const char* name;
    char32_t code;
};

constexpr Named kOtherNames[] = {
    {"quot", 0x22},     {"amp", 0x26},      {"apos", 0x27},     {"lt", 0x3C},
    {"gt", 0x3E},       {"OElig", 0x152},   {"oelig", 0x153},   {"Scaron", 0x160},
    {"scaron", 0x161},  {"Yuml", 0x178},    {"fnof", 0x192},    {"circ", 0x2C6},
    {"tilde", 0x2DC},   {"ensp", 0x2002},   {"emsp", 0x2003},   {"thinsp", 0x2009},
    {"zwnj", 0x200C},   {"zwj", 0x200D},    {"lrm", 0x200E},    {"rlm", 0x200F},
    {"ndash", 0x2013},  {"mdash", 0x2014},  {"lsquo", 0x2018},  {"rsquo", 0x2019},
    {"sbquo", 0x201A},  {"ldquo", 0x201C},  {"rdquo", 0x201D},  {"bdquo", 0x201E},
    {"dagger", 0x2020}, {"Dagger", 0x2021}, {"bull", 0x2022},   {"hellip", 0x2026},
    {"permil", 0x2030}, {"prime", 0x2032},  {"Prime", 0x2033},  {"lsaquo", 0x2039},
    {"rsaquo", 0x203A}, {"oline", 0x203E},  {"frasl", 0x2044},  {"euro", 0x20AC},
    {"trade", 0x2122},  {"larr", 0x2190},   {"uarr", 0x2191},   {"rarr", 0x2192},
    {"darr", 0x2193},   {"harr", 0x2194},   {"minus", 0x2212},  {"infin", 0x221E},
    {"ne", 0x2260},     {"le", 0x2264},     {"ge", 0x2265},     {"loz", 0x25CA},
    {"hearts", 0x2665}, {"alpha", 0x3B1},   {"beta", 0x3B2},    {"gamma", 0x3B3},
    {"delta", 0x3B4},   {"pi", 0x3C0},      {"mu", 0x3BC},      {"sigma", 0x3C3},
    {"omega", 0x3C9},   {"Omega", 0x3A9},   {"Delta", 0x394},   {"Sigma", 0x3A3},
};

const QHash<QString, QString>& table() {
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> t;
        char32_t code = 160;
        for (const char* name : kLatin1Names) {
            t.insert(QString::fromLatin1(name), QString::fromUcs4(&code, 1));
            ++code;
        }
        for (const Named& n : kOtherNames)
            t.insert(QString::fromLatin1(n.name), QString::fromUcs4(&n.code, 1));
        return t;
    }();
    return names;
}

// A numeric reference's character; nothing for a number no character has.
std::optional<QString> numeric(QStringView digits) {
    bool ok = false;
    const bool hex = digits.startsWith(u'x') || digits.startsWith(u'X');
    const uint code = hex ? digits.sliced(1).toUInt(&ok, 16) : digits.toUInt(&ok, 10);
    if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
    const char32_t c = code;
    return QString::fromUcs4(&c, 1);
}

} // namespace

namespace HtmlEntities {

std::optional<QString> named(QStringView name) {
    const auto& t = table();
    const auto it = t.constFind(name.toString());
    if (it == t.cend()) return {};
    return *it;
}

QString decode(QStringView text) {
    if (!text.contains(u'&')) return text.toString();
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c != u'&') {
            out += c;
            ++i;
            continue;
        }
        // References are short; a ';' further on belongs to something else.
        const qsizetype semi = text.indexOf(u';', i + 1);
        if (semi > i + 1 && semi - i <= 33) {
            const QStringView ref = text.sliced(i + 1, semi - i - 1);
            const std::optional<QString> value =
                ref.startsWith(u'#') ? numeric(ref.sliced(1)) : named(ref);
            if (value) {
                out += *value;
                i = semi + 1;
                continue;
            }
        }
        out += c;
        ++i;
    }
    return out;
}

} // namespace HtmlEntities
