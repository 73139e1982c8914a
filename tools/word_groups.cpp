// Prints the word-group division of lines read from standard input.
//
//   word_groups < lines
//
// Each input line is "division<TAB>average<TAB>text" (in the text a tab is written \t and a
// backslash \\). For each one it prints "start end :" with the trimmed bounds of the text,
// followed by " b" for every index at which a group begins. A line that does not have that
// form is reported on standard error and the exit status is 1.

#include "exercise/wordgroupsline.h"

#include <iostream>
#include <string>

int main() {
    std::string raw;
    int lineNumber = 0;
    int status = 0;
    while (std::getline(std::cin, raw)) {
        ++lineNumber;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        const auto request = WordGroupsLine::parse(QString::fromUtf8(raw));
        if (!request) {
            std::cerr << "word_groups: line " << lineNumber
                      << ": expected division<TAB>average<TAB>text\n";
            status = 1;
            continue;
        }
        std::cout << WordGroupsLine::report(*request).toStdString() << '\n';
    }
    return status;
}
