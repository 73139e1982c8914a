// The comprehension check after a speed test, through the modal seam.

#include "reading/reading_fixture.h"

#include "platform/profile.h"
#include "reading/comprehensiondialog.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// Question n (from 1) has the options "one n" .. "four n"; the right one is at (n - 1) % 4.
QByteArray eightQuestions() {
    QByteArray text = "# Questions on test text 1\n";
    const char* const names[] = {"one", "two", "three", "four"};
    for (int n = 1; n <= 8; ++n) {
        text += "\nQuestion " + QByteArray::number(n) + "?\n";
        for (int k = 0; k < 4; ++k)
            text += (k == (n - 1) % 4 ? "+ " : "- ") + QByteArray(names[k]) + " " +
                    QByteArray::number(n) + "\n";
    }
    return text;
}

const std::vector<int> kAllRight = {0, 1, 2, 3, 0, 1, 2, 3};
const std::vector<int> kAllWrong = {1, 2, 3, 0, 1, 2, 3, 0};

ComprehensionDialog* checkDialog(QWidget& w) {
    EXPECT_EQ(w.windowTitle(), "Comprehension Check");
    auto* dialog = qobject_cast<ComprehensionDialog*>(&w);
    EXPECT_NE(dialog, nullptr);
    return dialog;
}

// Answers the questions as a user does: a digit key, then Return.
ModalScript::Step answerWith(std::vector<int> choices) {
    return [choices](QWidget& w) {
        ComprehensionDialog* dialog = checkDialog(w);
        if (!dialog) return 0;
        for (int choice : choices) {
            QTest::keyClick(dialog, Qt::Key(Qt::Key_1 + choice));
            QTest::keyClick(dialog, Qt::Key_Return);
        }
        return dialog->result();
    };
}

} // namespace

class ComprehensionCheck : public ReadingWindowTest {
protected:
    ComprehensionCheck() { reading("st_bas/st1.q", eightQuestions()); }

    // Times a reading at 200 words per minute and saves it; `between` scripts what comes
    // between "Speed Test Time" and "Save Results?", `before` what comes before the timing.
    void timeAndSave(bool speedTest, const std::function<void()>& between, bool full = false,
                     const std::function<void()>& before = {}) {
        put("Ann", "SpeedTestNumber", "1");
        open(speedTest);
        if (before) before();
        clock.now = 1000;
        window->Command(CM_TIMERSTART);
        readToTheEnd();
        clock.now = 61000;
        script.answer("Speed Test Time", "Your speed is 200.00 words per minute", IDOK);
        between();
        script.answer("Save Results?", "save this time", IDYES);
        if (full) script.answer("SkimSprinter", "Future scores will not be recorded", IDOK);
        script.answer("Results", "look at your previous scores?", IDNO);
        space();
        EXPECT_TRUE(script.finished());
    }
    // Values are read without their surrounding blanks; an empty one is no list at all.
    static void store(const char* key, const char* value) { put("Ann", key, value ? value : ""); }
};

TEST_F(ComprehensionCheck, TheResultIsToldAndStoredBesideTheSpeed) {
    const QString full = "1215.35" + QStringLiteral(" 215.35").repeated(139); // 980 characters
    const QByteArray fullText = full.toLatin1();
    // Stored before, the answers, what the message says, the lists after.
    struct Case {
        const char* scores;
        const char* comprehension;
        std::vector<int> answers;
        QStringList told;
        QString scoresAfter, comprehensionAfter;
    };
    const Case cases[] = {
        {nullptr, nullptr, kAllWrong,
         {"You answered 0 of 8 questions correctly (0%).\n"
          "Your effective reading speed is 0.00 words per minute.",
          "Question 1: Question 1?\nThe answer: one 1", "Question 8: Question 8?\nThe answer: four 8",
          "Try reading a little slower next time"},
         " 200.00", " 0"},
        // Three older scores get no comprehension of their own.
        {"180.00 190.00 195.00", nullptr, {0, 1, 2, 3, 0, 1, 0, 0},
         {"You answered 6 of 8 questions correctly (75%).\n"
          "Your effective reading speed is 150.00 words per minute.\n\n"
          "Question 7: Question 7?\nThe answer: three 7\n\n"
          "Question 8: Question 8?\nThe answer: four 8"},
         "180.00 190.00 195.00 200.00", " - - - 75"},
        // A full score list takes neither the speed nor the comprehension.
        {fullText.constData(), " 75", kAllRight, {"(100%)"}, full, " 75"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.told.first().toStdString());
        store("SpeedTestScores", c.scores);
        store("SpeedTestComprehension", c.comprehension);
        timeAndSave(
            true,
            [&] {
                script.then(answerWith(c.answers)).then([&](QWidget& w) {
                    EXPECT_EQ(w.windowTitle(), "Comprehension");
                    const QString text = ModalScript::textOf(w);
                    for (const QString& part : c.told)
                        EXPECT_TRUE(text.contains(part)) << text.toStdString();
                    EXPECT_EQ(text.contains("slower"), c.told.last().contains("slower"));
                    return ModalScript::press(w, IDOK);
                });
            },
            c.scores == full);
        EXPECT_EQ(rawSetting(state, "SpeedTestScores"), c.scoresAfter);
        EXPECT_EQ(rawSetting(state, "SpeedTestComprehension"), c.comprehensionAfter);
        EXPECT_EQ(ini("Ann", "Other"), "kept");
    }
}

TEST_F(ComprehensionCheck, SkippedOwnTextPracticeAndBrokenQuestionsStoreNoPercent) {
    const QString mine = ownFile("mine.txt", readingText(968, 'm'));
    // A speed test (or a practice reading), what happens before the timing, the dialogs between
    // the speed and the save question, the entry stored, the line on standard error.
    struct Case {
        const char* what;
        bool speedTest;
        QByteArray questions;
        std::function<void()> between;
        const char* entry;
        QString error;
    };
    const Case cases[] = {
        {"skipped", true, eightQuestions(),
         [this] {
             script
                 .then([](QWidget& w) {
                     ComprehensionDialog* dialog = checkDialog(w);
                     if (!dialog) return 0;
                     dialog->show(); // the close box asks only of a dialog on the screen
                     dialog->choose(2);
                     dialog->next();
                     QTest::keyClick(dialog, Qt::Key_Escape); // No: still on question 2
                     EXPECT_EQ(dialog->counterText(), "Question 2 of 8");
                     dialog->close(); // Yes
                     return dialog->result();
                 })
                 .answer("Comprehension Check", "Skip the remaining questions?", IDNO)
                 .answer("Comprehension Check", "Skip the remaining questions?", IDYES);
         },
         "-", {}},
        {"practice reading", false, eightQuestions(), [] {}, "p", {}},
        {"own text file", true, eightQuestions(),
         [&] {
             script.then(choose(mine));
             window->Command(CM_TEXTFILE);
         },
         "-", {}},
        {"no file", true, {}, [] {}, "-", "st_bas/st1.q: cannot be read"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.questions.isEmpty())
            QFile::remove(Locations::dataPath("st_bas/st1.q"));
        else
            reading("st_bas/st1.q", c.questions);
        store("SpeedTestScores", "190.00");
        store("SpeedTestComprehension", "90");
        testing::internal::CaptureStderr();
        if (std::string(c.what) == "own text file")
            timeAndSave(c.speedTest, [] {}, false, c.between);
        else
            timeAndSave(c.speedTest, c.between);
        // Only the lines about the question file: the window system may add its own.
        const QStringList errors = QString::fromStdString(testing::internal::GetCapturedStderr())
                                       .split('\n')
                                       .filter("st1.q");
        EXPECT_EQ(rawSetting(state, "SpeedTestComprehension"),
                  QStringLiteral(" 90 %1").arg(c.entry));
        EXPECT_EQ(rawSetting(state, "SpeedTestScores"), "190.00 200.00");
        if (c.error.isEmpty()) {
            EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
        } else {
            ASSERT_EQ(errors.size(), 1) << errors.join('\n').toStdString();
            EXPECT_TRUE(errors[0].contains(Locations::dataPath(c.error.section(':', 0, 0)) +
                                           c.error.mid(c.error.indexOf(':'))))
                << errors[0].toStdString();
        }
    }
}

TEST_F(ComprehensionCheck, OneQuestionAtATimeChosenByDigitsAndMovedOnOnlyWithAChoice) {
    std::vector<Question> questions =
        parseQuestions(QString::fromLatin1(eightQuestions())).questions;
    questions[1].options[0] = "salt & pepper";
    ComprehensionDialog dialog(nullptr, questions);
    EXPECT_EQ(dialog.questionText(), "Question 1?");
    // Nothing chosen: Return does nothing; keys other than 1 to 4 choose nothing.
    QTest::keyClick(&dialog, Qt::Key_5);
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.current(), 0);
    QTest::keyClick(&dialog, Qt::Key_3);
    EXPECT_TRUE(dialog.option(2)->isChecked() && dialog.nextButton()->isEnabled());
    QTest::keyClick(&dialog, Qt::Key_1); // a change of mind
    QTest::keyClick(&dialog, Qt::Key_Return);
    // The next question starts with nothing chosen.
    EXPECT_EQ(dialog.counterText(), "Question 2 of 8");
    EXPECT_EQ(dialog.option(0)->text(), "1  salt && pepper"); // shown as "salt & pepper"
    EXPECT_EQ(dialog.chosen(), -1);
    for (int i = 1; i < 7; ++i) {
        dialog.option(3)->click();
        dialog.nextButton()->click();
    }
    EXPECT_FALSE(dialog.complete());
    dialog.choose(1);
    dialog.nextButton()->click();
    EXPECT_TRUE(dialog.complete());
    EXPECT_EQ(dialog.answers(), (std::vector<int>{0, 3, 3, 3, 3, 3, 3, 1}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}
