#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The questions asked after a speed test, kept beside its text: "st_bas/st3.q" holds those
// of "st_bas/st3.dat".

constexpr int kOptionsPerQuestion = 4;

struct Question {
    QString text;
    QStringList options; // in file order
    int correct = 0;     // index into options
};

struct QuestionFile {
    std::vector<Question> questions;
    // What is wrong, empty for a usable file; the line it is on, 0 when it concerns the
    // whole file. A file with an error has no questions at all.
    QString error;
    int errorLine = 0;
    bool ok() const { return error.isEmpty(); }
};

// Blocks separated by blank lines: the question, then exactly four options, "+ " before the
// correct one and "- " before the others. Lines starting with '#' are skipped. CR LF line ends
// and a byte-order mark are accepted.
QuestionFile parseQuestions(const QString& text);

// "st_bas/st3.dat" -> "st_bas/st3.q".
QString questionFileName(const QString& speedTestFile);

// Reads and parses a question file of the data tree (UTF-8).
QuestionFile readQuestionFile(const QString& relativeName);

// The one line that tells where a question file is wrong: "path:line: what" ("path: what"
// when the whole file is meant).
QString questionFileProblem(const QString& path, const QuestionFile& file);
