#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <string>

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

// What the tool writes for its whole input.
struct Output {
    std::string out; // a report for every good line
    std::string err; // a message for every bad one
    int status = 0;  // 1 when any line was bad
};
Output run(QByteArrayView input);

} // namespace WordGroupsLine
