#include "exercise/wordgroupsline.h"

#include "exercise/division.h"

#include <algorithm>

namespace WordGroupsLine {

namespace {

std::optional<int> wholeNumber(QStringView field) {
    field = field.trimmed();
    // toInt reads "4\0xyz" as 4: only a sign and digits make a number.
    const bool plain = std::all_of(field.begin(), field.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || c == u'-' || c == u'+';
    });
    bool ok = false;
    const int value = field.toInt(&ok);
    return plain && ok ? std::optional<int>(value) : std::nullopt;
}

// CR LF, LF and a lone CR each end a line; a last line without an end counts too.
std::vector<QByteArrayView> lines(QByteArrayView input) {
    std::vector<QByteArrayView> out;
    qsizetype start = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (input[i] != '\n' && input[i] != '\r') continue;
        out.push_back(input.sliced(start, i - start));
        if (input[i] == '\r' && i + 1 < input.size() && input[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < input.size()) out.push_back(input.sliced(start));
    return out;
}

} // namespace

std::optional<Request> parse(QStringView line) {
    const qsizetype firstTab = line.indexOf(u'\t');
    if (firstTab < 0) return std::nullopt;
    const qsizetype secondTab = line.indexOf(u'\t', firstTab + 1);
    if (secondTab < 0) return std::nullopt;
    const auto division = wholeNumber(line.first(firstTab));
    const auto average = wholeNumber(line.sliced(firstTab + 1, secondTab - firstTab - 1));
    if (!division || !average) return std::nullopt;
    return Request{*division, *average, unescape(line.sliced(secondTab + 1))};
}

QString unescape(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            if (text[i + 1] == u't') {
                out += u'\t';
                ++i;
                continue;
            }
            if (text[i + 1] == u'\\') {
                out += u'\\';
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

QString report(const Request& request) {
    int start = 0;
    int end = static_cast<int>(request.text.size());
    const std::vector<int> breaks =
        Division::DetermineWordGroups(request.text, start, end, request.division, request.average);
    QString out = QStringLiteral("%1 %2 :").arg(start).arg(end);
    for (int b : breaks)
        out += QStringLiteral(" %1").arg(b);
    return out;
}

Output run(QByteArrayView input) {
    Output output;
    int lineNumber = 0;
    for (QByteArrayView raw : lines(input)) {
        ++lineNumber;
        const auto request = parse(QString::fromUtf8(raw));
        if (!request) {
            output.err += "word_groups: line " + std::to_string(lineNumber) +
                          ": expected division<TAB>average<TAB>text\n";
            output.status = 1;
            continue;
        }
        output.out += report(*request).toStdString() + '\n';
    }
    return output;
}

} // namespace WordGroupsLine
