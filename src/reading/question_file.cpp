#include "reading/question_file.h"

#include "platform/locations.h"

#include <QFile>

namespace {

// '+' or '-' followed by a blank, or alone on its line: the line is an option.
bool isOptionLine(const QString& line) {
    if (line.isEmpty() || (line[0] != u'+' && line[0] != u'-')) return false;
    return line.size() == 1 || line[1].isSpace();
}

class Parser {
public:
    QuestionFile run(const QString& text) {
        QStringList lines = text.split(u'\n');
        if (!lines.isEmpty() && lines[0].startsWith(QChar(0xFEFF))) lines[0].remove(0, 1);
        for (int i = 0; i < lines.size() && out_.ok(); ++i)
            take(lines[i].trimmed(), i + 1);
        if (out_.ok()) endBlock();
        if (out_.ok() && out_.questions.empty()) fail(QStringLiteral("holds no questions"), 0);
        if (!out_.ok()) out_.questions.clear();
        return std::move(out_);
    }

private:
    void take(const QString& line, int number) {
        if (line.startsWith(u'#')) return;
        if (line.isEmpty()) {
            endBlock();
            return;
        }
        if (!inBlock_) {
            if (isOptionLine(line))
                return fail(QStringLiteral("the question is missing: the block starts with "
                                           "an option"),
                            number);
            inBlock_ = true;
            blockLine_ = number;
            current_ = Question{line, {}, -1};
            return;
        }
        if (!isOptionLine(line))
            return fail(QStringLiteral("an option must start with \"+ \" or \"- \""), number);
        if (current_.options.size() == kOptionsPerQuestion)
            return fail(QStringLiteral("more than four options"), number);
        const QString option = line.mid(1).trimmed();
        if (option.isEmpty()) return fail(QStringLiteral("an empty option"), number);
        if (line[0] == u'+') {
            if (current_.correct >= 0)
                return fail(QStringLiteral("a second option marked \"+\""), number);
            current_.correct = int(current_.options.size());
        }
        current_.options << option;
    }

    void endBlock() {
        if (!inBlock_) return;
        inBlock_ = false;
        if (current_.options.size() < kOptionsPerQuestion)
            return fail(QStringLiteral("the question has %1 options instead of four")
                            .arg(current_.options.size()),
                        blockLine_);
        if (current_.correct < 0)
            return fail(QStringLiteral("no option is marked \"+\""), blockLine_);
        out_.questions.push_back(std::move(current_));
    }

    void fail(const QString& error, int line) {
        out_.error = error;
        out_.errorLine = line;
    }

    QuestionFile out_;
    Question current_;
    bool inBlock_ = false;
    int blockLine_ = 0;
};

} // namespace

QuestionFile parseQuestions(const QString& text) {
    // A CR before the line feed goes with the trimming of each line.
    return Parser().run(text);
}

QString questionFileName(const QString& speedTestFile) {
    QString name = speedTestFile;
    if (name.endsWith(QStringLiteral(".dat"))) name.chop(4);
    return name + QStringLiteral(".q");
}

QuestionFile readQuestionFile(const QString& relativeName) {
    QFile f(Locations::dataPath(relativeName));
    if (!f.open(QIODevice::ReadOnly)) {
        QuestionFile missing;
        missing.error = QStringLiteral("cannot be read");
        return missing;
    }
    return parseQuestions(QString::fromUtf8(f.readAll()));
}

QString questionFileProblem(const QString& path, const QuestionFile& file) {
    if (file.errorLine > 0)
        return QStringLiteral("%1:%2: %3").arg(path).arg(file.errorLine).arg(file.error);
    return QStringLiteral("%1: %2").arg(path, file.error);
}
