#include "reading/comprehensiondialog.h"

#include "platform/help.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "shell/globals.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kMinimumWidth = 460;

// Radio button texts take '&' as a shortcut mark.
QString optionLabel(int i, const QString& option) {
    QString shown = option;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("%1  %2").arg(i + 1).arg(shown);
}

} // namespace

ComprehensionDialog::ComprehensionDialog(QWidget* parent, std::vector<Question> questions)
    : QDialog(parent), questions_(std::move(questions)) {
    setWindowTitle(QStringLiteral("Comprehension Check"));
    auto* layout = new QVBoxLayout(this);
    counter_ = new QLabel(this);
    QFont bold = counter_->font();
    bold.setBold(true);
    counter_->setFont(bold);
    layout->addWidget(counter_);
    question_ = new QLabel(this);
    question_->setTextFormat(Qt::PlainText);
    question_->setWordWrap(true);
    layout->addWidget(question_);
    layout->addSpacing(6);
    group_ = new QButtonGroup(this);
    for (int i = 0; i < kOptionsPerQuestion; ++i) {
        auto* button = new QRadioButton(this);
        group_->addButton(button, i);
        layout->addWidget(button);
    }
    connect(group_, &QButtonGroup::idToggled, this, [this] { next_->setEnabled(chosen() >= 0); });
    layout->addStretch(1);

    auto* buttons = new QHBoxLayout;
    auto* help = new QPushButton(QStringLiteral("&Help"), this);
    help->setAutoDefault(false);
    help->setProperty("controlId", 9);
    connect(help, &QPushButton::clicked, this,
            [] { WinHelpTopic(helpfile, kComprehensionHelpTopic); });
    next_ = new QPushButton(this);
    next_->setDefault(true);
    next_->setProperty("controlId", 1);
    connect(next_, &QPushButton::clicked, this, &ComprehensionDialog::next);
    buttons->addWidget(help);
    buttons->addStretch(1);
    buttons->addWidget(next_);
    layout->addLayout(buttons);

    fitAllQuestions();
    showQuestion(0);
}

ComprehensionDialog::~ComprehensionDialog() = default;

void ComprehensionDialog::fitAllQuestions() {
    // One size for every question, so the window keeps still while the questions change.
    int width = kMinimumWidth;
    for (size_t i = 0; i < questions_.size(); ++i) {
        showQuestion(int(i));
        layout()->activate();
        width = std::max(width, layout()->sizeHint().width());
    }
    int height = 0;
    for (size_t i = 0; i < questions_.size(); ++i) {
        showQuestion(int(i));
        layout()->activate();
        height = std::max(height, layout()->totalHeightForWidth(width));
    }
    resize(width, std::max(height, layout()->sizeHint().height()));
}

void ComprehensionDialog::showQuestion(int index) {
    if (index < 0 || index >= int(questions_.size())) return;
    const Question& q = questions_[size_t(index)];
    const int total = int(questions_.size());
    counter_->setText(QStringLiteral("Question %1 of %2").arg(index + 1).arg(total));
    question_->setText(q.text);
    // An exclusive group keeps one button checked; clearing takes it out of that mode.
    group_->setExclusive(false);
    for (int i = 0; i < kOptionsPerQuestion; ++i) {
        QAbstractButton* button = group_->button(i);
        button->setChecked(false);
        button->setText(optionLabel(i, q.options.value(i)));
    }
    group_->setExclusive(true);
    next_->setText(index + 1 == total ? QStringLiteral("&Finish") : QStringLiteral("&Next"));
    next_->setEnabled(false);
    group_->button(0)->setFocus();
}

int ComprehensionDialog::chosen() const {
    return group_->checkedId();
}

void ComprehensionDialog::choose(int option) {
    if (QAbstractButton* button = group_->button(option)) button->setChecked(true);
}

void ComprehensionDialog::next() {
    if (complete() || chosen() < 0) return;
    answers_.push_back(chosen());
    if (complete())
        QDialog::accept();
    else
        showQuestion(current());
}

void ComprehensionDialog::reject() {
    if (MessageBox(this, QStringLiteral("Skip the remaining questions?"),
                   QStringLiteral("Comprehension Check"), MB_YESNO) == IDYES)
        QDialog::reject();
}

QString ComprehensionDialog::counterText() const {
    return counter_->text();
}

QString ComprehensionDialog::questionText() const {
    return question_->text();
}

QRadioButton* ComprehensionDialog::option(int i) const {
    return qobject_cast<QRadioButton*>(group_->button(i));
}

void ComprehensionDialog::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && key >= Qt::Key_1 && key < Qt::Key_1 + kOptionsPerQuestion) {
        choose(key - Qt::Key_1);
        return;
    }
    // Return always means Next, whichever control has the focus.
    if (plain && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        next();
        return;
    }
    QDialog::keyPressEvent(event);
}

std::optional<std::vector<int>> askQuestions(QWidget* parent,
                                             const std::vector<Question>& questions) {
    if (questions.empty()) return std::nullopt;
    ComprehensionDialog dialog(parent, questions);
    Modal::runModal(dialog);
    if (!dialog.complete()) return std::nullopt;
    return dialog.answers();
}
