#include "reading/comprehension.h"

int ComprehensionScore::percent() const {
    if (total <= 0) return 0;
    return (correct * 200 + total) / (2 * total);
}

ComprehensionScore scoreAnswers(const std::vector<Question>& questions,
                                const std::vector<int>& answers) {
    ComprehensionScore score;
    score.total = int(questions.size());
    for (size_t i = 0; i < questions.size() && i < answers.size(); ++i)
        if (answers[i] == questions[i].correct) ++score.correct;
    return score;
}

double effectiveSpeed(float wordsPerMinute, const ComprehensionScore& score) {
    if (score.total <= 0) return 0.0;
    return double(wordsPerMinute) * score.correct / score.total;
}

QString comprehensionMessage(const std::vector<Question>& questions,
                             const std::vector<int>& answers, float wordsPerMinute) {
    const ComprehensionScore score = scoreAnswers(questions, answers);
    QString text = QStringLiteral("You answered %1 of %2 questions correctly (%3%).\n")
                       .arg(score.correct)
                       .arg(score.total)
                       .arg(score.percent());
    text += QString::asprintf("Your effective reading speed is %4.2f words per minute.",
                              effectiveSpeed(wordsPerMinute, score));
    for (size_t i = 0; i < questions.size(); ++i) {
        const Question& q = questions[i];
        if (i < answers.size() && answers[i] == q.correct) continue;
        text += QStringLiteral("\n\nQuestion %1: %2\nThe answer: %3")
                    .arg(i + 1)
                    .arg(q.text, q.options.value(q.correct));
    }
    if (score.belowAim())
        text += QStringLiteral("\n\nTry reading a little slower next time: the aim is to "
                               "answer %1% or more correctly.")
                    .arg(kComprehensionAim);
    return text;
}
