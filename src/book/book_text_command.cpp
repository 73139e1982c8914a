#include "book/book_text_command.h"

#include "book/epub_book.h"
#include "reading/text_file.h"

namespace {

BookTextCommand::Output failure(const QString& message) {
    return {{}, message.toStdString() + "\n", 1};
}

} // namespace

namespace BookTextCommand {

Output run(const QStringList& arguments) {
    if (arguments.size() < 1 || arguments.size() > 2)
        return failure(QStringLiteral("usage: book_text FILE [CHAPTER]"));
    const QString& path = arguments[0];
    if (!isBookFile(path)) {
        if (arguments.size() == 2)
            return failure(QStringLiteral("%1\nis a text file: it has no chapters.").arg(path));
        const TextFileResult read = readTextFile(path);
        if (read.error != TextFileError::None) {
            // The program names a file it cannot open in the caption; here it goes first.
            const TextFileProblem problem = textFileProblem(path, read.error);
            return failure(problem.caption == path ? path + QStringLiteral("\n") + problem.text
                                                   : problem.text);
        }
        return {read.text.toStdString(), {}, 0};
    }
    const BookResult read = readBook(path);
    if (read.error != BookError::None) return failure(bookProblem(path, read));
    const std::vector<BookChapter>& chapters = read.book.chapters;
    if (arguments.size() == 1) {
        QString list;
        int k = 0;
        for (const BookChapter& c : chapters)
            list += QStringLiteral("%1\t%2\t%3\n").arg(++k).arg(c.words).arg(c.title);
        return {list.toStdString(), {}, 0};
    }
    bool ok = false;
    const int k = arguments[1].toInt(&ok);
    if (!ok || k < 1 || k > int(chapters.size()))
        return failure(QStringLiteral("%1\nhas no chapter %2: its chapters are 1 to %3.")
                           .arg(path, arguments[1])
                           .arg(chapters.size()));
    return {chapters[size_t(k - 1)].text.toStdString(), {}, 0};
}

} // namespace BookTextCommand
