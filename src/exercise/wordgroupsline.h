#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// One line of the word_groups tool: "division<TAB>average<TAB>text", where the
// text writes a tab as \t and a backslash as \\.
namespace WordGroupsLine {

struct Request {
    int division = 0;
    int average = 0;
    QString text;
};

// Nothing when the line lacks the two fields or they are not whole numbers.
std::optional<Request> parse(QStringView line);
// \t becomes a tab, \\ a backslash; any other backslash stays as it is.
QString unescape(QStringView text);
// "start end :" with the trimmed bounds, then " b" for every break.
QString report(const Request& request);

} // namespace WordGroupsLine
