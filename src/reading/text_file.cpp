#include "reading/text_file.h"

#include <QFile>
#include <QStringDecoder>

QString decodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) text = QString::fromLatin1(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    // CR LF and a lone CR end a line like a line feed.
    QString out;
    out.reserve(text.size());
    const int n = static_cast<int>(text.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == '\r') {
            out.append('\n');
            if (i + 1 < n && text[i + 1] == '\n') ++i;
        } else {
            out.append(c);
        }
    }
    return out;
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
    if (bytes.contains('\0')) {
        result.error = TextFileError::NotText;
        return result;
    }
    result.text = decodeText(bytes);
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
