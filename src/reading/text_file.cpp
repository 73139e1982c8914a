#include "reading/text_file.h"

#include <QFile>
#include <QStringDecoder>

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

QString wrapLines(const QString& text, const std::function<int(QChar)>& advance, int maxWidth) {
    QString out;
    out.reserve(text.size() + text.size() / 256 + 16);
    qsizetype lineStart = 0;  // index in out of the current line's first character
    qsizetype lastSpace = -1; // last space of the current line, in out
    int width = 0;            // width of the current line
    int widthAfterSpace = 0;  // width of what follows lastSpace
    auto newLine = [&] {
        lineStart = out.size();
        lastSpace = -1;
        width = 0;
        widthAfterSpace = 0;
    };
    for (const QChar c : text) {
        if (c == '\n') {
            out.append(c);
            newLine();
            continue;
        }
        const int w = advance(c);
        if (width + w > maxWidth && out.size() > lineStart) {
            if (c == ' ') {
                // The space that does not fit ends the line.
                out.append('\n');
                newLine();
                continue;
            }
            if (lastSpace >= lineStart) {
                out[lastSpace] = '\n';
                lineStart = lastSpace + 1;
                width = widthAfterSpace;
                lastSpace = -1;
            }
            // A word wider than a whole line is cut where it reaches the edge.
            if (width + w > maxWidth && out.size() > lineStart) {
                out.append('\n');
                newLine();
            }
        }
        if (c == ' ') {
            lastSpace = out.size();
            widthAfterSpace = 0;
        } else {
            widthAfterSpace += w;
        }
        out.append(c);
        width += w;
    }
    return out;
}
