// The comprehension check after a speed test, through the modal seam.

#include "reading/reading_fixture.h"

#include "reading/comprehensiondialog.h"

#include <QRadioButton>

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

    // Times a reading at 200 words per minute by the menu and saves it; `before` scripts what
    // comes before the timing.
    void timeAndSave(bool speedTest, const std::function<void()>& between, bool full = false,
                     const std::function<void()>& before = {}) {
        put("Ann", "SpeedTestNumber", "1");
        open(speedTest);
        if (before) before();
        timeAMinute(full, between, true);
    }
    // Values are read without their surrounding blanks; an empty one is no list at all.
    static void store(const char* key, const char* value) { put("Ann", key, value ? value : ""); }
};

TEST_F(ComprehensionCheck, TheResultIsToldAndStoredBesideTheSpeed) {
    const QString full = "1215.35" + QStringLiteral(" 215.35").repeated(139); // 980 characters
    const QByteArray fullText = full.toLatin1();
    // Stored before, the answers, what the message says, the lists after.
    const std::tuple<const char*, const char*, std::vector<int>, QStringList, QString, QString> cases[] = {
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
    for (const auto& [scores, comprehension, answers, told, scoresAfter, comprehensionAfter] : cases) {
        SCOPED_TRACE(told.first().toStdString());
        store("SpeedTestScores", scores);
        store("SpeedTestComprehension", comprehension);
        const auto check = [&, told = told](QWidget& w) {
            EXPECT_EQ(w.windowTitle(), "Comprehension");
            const QString text = ModalScript::textOf(w);
            for (const QString& part : told)
                EXPECT_TRUE(text.contains(part)) << text.toStdString();
            EXPECT_EQ(text.contains("slower"), told.last().contains("slower"));
            return ModalScript::press(w, IDOK);
        };
        timeAndSave(true, [&] { script.then(answerWith(answers)).then(check); }, scores == full);
        EXPECT_EQ(rawSetting(state, "SpeedTestScores"), scoresAfter);
        EXPECT_EQ(rawSetting(state, "SpeedTestComprehension"), comprehensionAfter);
    }
}

TEST_F(ComprehensionCheck, SkippedOwnTextPracticeAndBrokenQuestionsStoreNoPercent) {
    const QString mine = ownFile("mine.txt", readingText(968, 'm'));
    const auto chooseMine = [&] {
        script.then(choose(mine));
        window->Command(CM_TEXTFILE);
    };
    const auto skip = [this] {
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
    };
    // A speed test or a practice reading, what comes before the timing, the dialogs between the
    // speed and the save question, the entry stored, the line on standard error.
    const std::tuple<const char*, bool, std::function<void()>, std::function<void()>, const char*,
                     QString>
        cases[] = {
            {"skipped", true, {}, skip, "-", {}},
            {"practice reading", false, {}, {}, "p", {}},
            {"own text file", true, chooseMine, {}, "-", {}},
            {"no file", true, {}, {}, "-", Locations::dataPath("st_bas/st1.q") + ": cannot be read"},
        };
    for (const auto& [what, speedTest, before, between, entry, error] : cases) {
        SCOPED_TRACE(what);
        if (error.isEmpty())
            reading("st_bas/st1.q", eightQuestions());
        else
            QFile::remove(Locations::dataPath("st_bas/st1.q"));
        store("SpeedTestScores", "190.00");
        store("SpeedTestComprehension", "90");
        testing::internal::CaptureStderr();
        timeAndSave(speedTest, between, false, before);
        // Only the lines about the question file: the window system may add its own.
        const QStringList errors = QString::fromStdString(testing::internal::GetCapturedStderr())
                                       .split('\n')
                                       .filter("st1.q");
        EXPECT_EQ(rawSetting(state, "SpeedTestComprehension"), QStringLiteral(" 90 %1").arg(entry));
        EXPECT_EQ(rawSetting(state, "SpeedTestScores"), "190.00 200.00");
        // Only a speed test of one of our texts moves the test number on.
        EXPECT_EQ(iniInt("Ann", "SpeedTestNumber"), speedTest && !before ? 2 : 1);
        EXPECT_TRUE(error.isEmpty() ? errors.isEmpty() : errors.size() == 1 && errors[0].contains(error))
            << errors.join('\n').toStdString();
    }
}

// Answering all eight and the answers counted are the result test's.
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
}
