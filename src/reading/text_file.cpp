#include "reading/text_file.h"

#include <QFile>
#include <QStringDecoder>

#include <vector>

QString decodeText(const QByteArray& bytes) {
    QString text;
    if (bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff")) {
        const auto encoding =
            bytes[0] == '\xff' ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE;
        text = QStringDecoder(encoding, QStringDecoder::Flag::Stateless).decode(bytes.mid(2));
    } else {
        // The mark goes first, so it never shows as Latin-1 when the rest is not UTF-8.
        const QByteArray body = bytes.startsWith("\xef\xbb\xbf") ? bytes.mid(3) : bytes;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8.decode(body);
        if (utf8.hasError()) text = QString::fromLatin1(body);
    }
    return unifyLineEnds(std::move(text));
}

QString unifyLineEnds(QString text) {
    // CR LF and a lone CR end a line like a line feed.
    if (text.contains(u'\r')) {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\r', u'\n');
    }
    return text;
}

TextFileResult readTextFile(const QString& path) {
    TextFileResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = TextFileError::CannotOpen;
        return result;
    }
    if (file.size() > kMaxTextFileBytes) {
        result.error = TextFileError::TooLarge;
        return result;
    }
    const QByteArray bytes = file.read(kMaxTextFileBytes + 1);
    if (bytes.size() > kMaxTextFileBytes) {
        result.error = TextFileError::TooLarge;
        return result;
    }
    // Checked after decoding: UTF-16 has NUL bytes in every Latin character.
    result.text = decodeText(bytes);
    if (result.text.contains(QChar(0))) {
        result.error = TextFileError::NotText;
        result.text.clear();
    }
    return result;
}

TextFileProblem textFileProblem(const QString& path, TextFileError error) {
    const QString caption = QStringLiteral("Could not read file");
    switch (error) {
    case TextFileError::None:
        break;
    case TextFileError::CannotOpen:
        // The file's name is the caption of this one.
        return {path, caption};
    case TextFileError::NotText:
        return {caption,
                QStringLiteral("%1\nis not a plain text file, so it cannot be read here.").arg(path)};
    case TextFileError::TooLarge:
        return {caption,
                QStringLiteral("%1\nis larger than 20 MB, too large to be read here.").arg(path)};
    }
    return {};
}

namespace {

// The code point at i; `end` becomes the index after it.
char32_t codePointAt(QStringView text, qsizetype i, qsizetype& end) {
    const QChar c = text[i];
    end = i + 1;
    if (c.isHighSurrogate() && end < text.size() && text[end].isLowSurrogate())
        return QChar::surrogateToUcs4(c, text[end++]);
    return c.unicode();
}

// Marks, joiners, emoji modifiers and tags belong to the character before them.
bool extendsCluster(char32_t cp) {
    switch (QChar::category(cp)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return true;
    default:
        return cp == 0x200C || cp == 0x200D || (cp >= 0x1F3FB && cp <= 0x1F3FF) ||
               (cp >= 0xE0020 && cp <= 0xE007F) || cp == 0xFF9E || cp == 0xFF9F;
    }
}

bool regionalIndicator(char32_t cp) {
    return cp >= 0x1F1E6 && cp <= 0x1F1FF;
}

// Hangul jamo and syllables: leading, vowel, trailing, syllable without and with a trailing
// consonant.
enum class Jamo { None, L, V, T, LV, LVT };

Jamo jamo(char32_t cp) {
    if ((cp >= 0x1100 && cp <= 0x115F) || (cp >= 0xA960 && cp <= 0xA97C)) return Jamo::L;
    if ((cp >= 0x1160 && cp <= 0x11A7) || (cp >= 0xD7B0 && cp <= 0xD7C6)) return Jamo::V;
    if ((cp >= 0x11A8 && cp <= 0x11FF) || (cp >= 0xD7CB && cp <= 0xD7FB)) return Jamo::T;
    if (cp >= 0xAC00 && cp <= 0xD7A3) return (cp - 0xAC00) % 28 == 0 ? Jamo::LV : Jamo::LVT;
    return Jamo::None;
}

bool jamoJoin(Jamo before, Jamo after) {
    switch (before) {
    case Jamo::L:
        return after != Jamo::None && after != Jamo::T;
    case Jamo::V:
    case Jamo::LV:
        return after == Jamo::V || after == Jamo::T;
    case Jamo::T:
    case Jamo::LVT:
        return after == Jamo::T;
    case Jamo::None:
        break;
    }
    return false;
}

} // namespace

qsizetype clusterEnd(QStringView text, qsizetype from) {
    const qsizetype n = text.size();
    // Below U+0300 nothing combines: most text is done here.
    if (text[from].unicode() < 0x300 && (from + 1 == n || text[from + 1].unicode() < 0x300))
        return from + 1;
    qsizetype end = from;
    char32_t before = codePointAt(text, from, end);
    if (QChar::category(before) == QChar::Other_Control) return end;
    int indicators = regionalIndicator(before) ? 1 : 0;
    while (end < n) {
        qsizetype next = end;
        const char32_t cp = codePointAt(text, end, next);
        if (QChar::category(cp) == QChar::Other_Control) break;
        // After a joiner anything continues the sequence: never splitting one matters
        // more than the rare pair it keeps together.
        const bool joins = extendsCluster(cp) || before == 0x200D ||
                           (regionalIndicator(cp) && indicators % 2 == 1) ||
                           jamoJoin(jamo(before), jamo(cp));
        if (!joins) break;
        if (regionalIndicator(cp)) ++indicators;
        before = cp;
        end = next;
    }
    return end;
}

qreal summedWidth(QStringView line, const ClusterWidth& width) {
    qsizetype n = line.size();
    while (n > 0 && line[n - 1] == u' ')
        --n;
    qreal sum = 0;
    for (qsizetype at = 0; at < n;) {
        const qsizetype end = clusterEnd(line, at);
        sum += width(line.sliced(at, end - at));
        at = end;
    }
    return sum;
}

namespace {

constexpr int kTabStop = 8;

bool blank(QStringView line) {
    for (const QChar c : line)
        if (c != u' ' && c != u'\t') return false;
    return true;
}

// Tabs become spaces up to the next stop of eight characters.
QString expandTabs(QStringView para) {
    QString out;
    out.reserve(para.size() + 64);
    const qsizetype lastTab = para.lastIndexOf(u'\t');
    qsizetype column = 0;
    qsizetype copied = 0; // para before this is in out
    for (qsizetype at = 0, end; at <= lastTab; at = end) {
        end = clusterEnd(para, at);
        if (para[at] == u'\t') {
            out.append(para.sliced(copied, at - copied));
            const qsizetype spaces = kTabStop - column % kTabStop;
            out.resize(out.size() + spaces, u' ');
            column += spaces;
            copied = end;
        } else {
            ++column;
        }
    }
    out.append(para.sliced(copied));
    return out;
}

// Lays out one line of the text (without its line feed or tabs) at the end of
// `out`; true when it had to be broken.
bool wrapParagraph(QStringView para, const ClusterWidth& clusterWidth, qreal limit, QString& out) {
    const qsizetype base = out.size();
    out.append(para);
    std::vector<qsizetype> cuts; // where words wider than a line are cut
    qsizetype lineStart = 0;     // the current line's first character, in para
    qsizetype lastSpace = -1;    // its last space
    qreal width = 0;             // its width
    qreal afterSpace = 0;        // the width of what follows lastSpace
    for (qsizetype at = 0, end; at < para.size(); at = end) {
        end = clusterEnd(para, at);
        const qreal w = clusterWidth(para.sliced(at, end - at));
        const bool space = end - at == 1 && para[at] == u' ';
        if (!space && width + w > limit && at > lineStart) {
            if (lastSpace >= lineStart) {
                out[base + lastSpace] = u'\n';
                lineStart = lastSpace + 1;
                width = afterSpace;
            }
            // A word wider than a whole line is cut where it reaches the edge.
            if (width + w > limit && at > lineStart) {
                cuts.push_back(at);
                lineStart = at;
                width = 0;
            }
        }
        if (space) {
            lastSpace = at;
            afterSpace = 0;
        } else {
            afterSpace += w;
        }
        width += w;
    }
    if (!cuts.empty()) {
        // Inserted in one pass: a huge word has a cut every line.
        const QString laid = out.sliced(base);
        out.truncate(base);
        qsizetype from = 0;
        for (const qsizetype cut : cuts) {
            out.append(QStringView(laid).sliced(from, cut - from));
            out.append(u'\n');
            from = cut;
        }
        out.append(QStringView(laid).sliced(from));
    }
    return lineStart > 0;
}

} // namespace

QString wrapLines(const QString& text, const ClusterWidth& width, qreal limit) {
    const QStringView all(text);
    QString out;
    out.reserve(all.size() + all.size() / 32 + 16);
    QString expanded;
    const qsizetype n = all.size();
    // Each line's end is looked for once: it is also where the next line is checked for text.
    auto lineEnd = [&](qsizetype from) {
        const qsizetype feed = all.indexOf(u'\n', from);
        return feed < 0 ? n : feed;
    };
    for (qsizetype from = 0, feed = lineEnd(0); from < n;) {
        QStringView para = all.sliced(from, feed - from);
        if (para.contains(u'\t')) para = expanded = expandTabs(para);
        const bool broken = wrapParagraph(para, width, limit, out);
        if (feed == n) break;
        out.append(u'\n');
        const qsizetype nextEnd = lineEnd(feed + 1);
        // Paragraphs written one per line would run together once broken.
        if (broken && feed + 1 < n && !blank(all.sliced(feed + 1, nextEnd - feed - 1)))
            out.append(u'\n');
        from = feed + 1;
        feed = nextEnd;
    }
    return out;
}
