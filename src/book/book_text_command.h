#pragma once

#include <QStringList>

#include <string>

// The book_text tool: the text a reading gets from a file.
//   book_text BOOK.epub      one line per listed chapter: "k<TAB>words<TAB>title"
//   book_text BOOK.epub k    chapter k's text as the reading gets it, before wrapping
//   book_text FILE.txt       the decoded text
// Problems go to err in the words the program shows, with status 1.
namespace BookTextCommand {

struct Output {
    std::string out;
    std::string err;
    int status = 0;
};

Output run(const QStringList& arguments);

} // namespace BookTextCommand
