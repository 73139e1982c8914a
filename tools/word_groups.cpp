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
#include <iterator>
#include <string>

int main() {
    const std::string input{std::istreambuf_iterator<char>(std::cin), {}};
    const WordGroupsLine::Output output = WordGroupsLine::run(input);
    std::cout << output.out;
    std::cerr << output.err;
    return output.status;
}
