#pragma once

#include "reading/question_file.h"

#include <QDialog>

#include <optional>
#include <vector>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

// Help topic of the comprehension check.
constexpr int kComprehensionHelpTopic = 200;

// "Comprehension Check": the questions of a speed test, one at a time, each with its options as
// radio buttons. Nothing is judged here; it only collects the answers. Keys 1 to 4 choose an
// option, Return or Next moves on once one is chosen, Escape or the close box offers to skip
// the rest.
class ComprehensionDialog : public QDialog {
    Q_OBJECT
public:
    ComprehensionDialog(QWidget* parent, std::vector<Question> questions);
    ~ComprehensionDialog() override;

    // The options chosen so far, in question order.
    const std::vector<int>& answers() const { return answers_; }
    bool complete() const { return answers_.size() == questions_.size(); }
    // The question on show (0-based) and its chosen option, -1 for none yet.
    int current() const { return int(answers_.size()); }
    int chosen() const;
    void choose(int option);

    // Next, or Finish on the last question: takes the chosen option and moves on; does nothing
    // while no option is chosen.
    void next();
    // Return and the default button.
    void accept() override { next(); }
    // Escape and the close box: asks whether to skip the remaining questions.
    void reject() override;

    QString counterText() const;
    QString questionText() const;
    QRadioButton* option(int i) const;
    QPushButton* nextButton() const { return next_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showQuestion(int index);
    void fitAllQuestions();

    std::vector<Question> questions_;
    std::vector<int> answers_;
    QLabel* counter_;
    QLabel* question_;
    QButtonGroup* group_;
    QPushButton* next_;
};

// Runs the check through the modal seam; the answers when every question was answered, nothing
// when the user skipped the rest.
std::optional<std::vector<int>> askQuestions(QWidget* parent,
                                             const std::vector<Question>& questions);
