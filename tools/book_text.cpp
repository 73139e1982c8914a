// Prints the text a reading gets from a book's chapter or a text file.
//
//   book_text BOOK.epub      one line per listed chapter: "k<TAB>words<TAB>title"
//   book_text BOOK.epub k    chapter k's text, before it is wrapped for reading
//   book_text FILE.txt       the decoded text
//
// Problems go to standard error in the words the program shows; the exit status is then 1.

#include "book/book_text_command.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const BookTextCommand::Output output = BookTextCommand::run(arguments);
    std::cout << output.out;
    std::cerr << output.err;
    return output.status;
}
