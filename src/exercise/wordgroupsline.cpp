#include "exercise/wordgroupsline.h"

#include "exercise/division.h"

namespace WordGroupsLine {

namespace {

std::optional<int> wholeNumber(QStringView field) {
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
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

} // namespace WordGroupsLine
