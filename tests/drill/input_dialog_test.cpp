#include "drill/mytrangevalidator.h"
#include "platform/input_dialog.h"

#include "support/shell_fixture.h"

#include "platform/message_box.h"
#include "platform/modal.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

MyTRangeValidator delayRange(5, 1000);

std::unique_ptr<InputDialog> delayDialog() {
    return std::make_unique<InputDialog>(nullptr, "Enter delay time",
                                         "Enter a time in milliseconds (25 is fast, 60 is slow)",
                                         "15", 5, &delayRange);
}

// A step that types into the input dialog and clicks its OK button as the user would.
ModalScript::Step typeAndClickOk(const QString& typed, bool expectClosed) {
    return [typed, expectClosed](QWidget& w) {
        auto* dialog = qobject_cast<InputDialog*>(&w);
        EXPECT_NE(dialog, nullptr);
        if (!dialog)
            return 0;
        dialog->edit()->setText(typed);
        dialog->okButton()->click();
        EXPECT_EQ(dialog->result() == IDOK, expectClosed) << typed.toStdString();
        return dialog->result();
    };
}

void expectOutOfRange(ModalScript& script, const char* text) {
    script.then([text](QWidget& w) {
        EXPECT_EQ(ModalScript::captionOf(w).toStdString(), "Out of range");
        EXPECT_EQ(ModalScript::textOf(w).toStdString(), text);
        EXPECT_EQ(w.parentWidget(), nullptr) << "the refusal box has no owner";
        return ModalScript::press(w, IDOK);
    });
}

} // namespace

using InputDialogTest = ShellTest;

TEST_F(InputDialogTest, OutOfRangeDelaysAreRefusedAndTheDialogStaysOpen) {
    auto dialog = delayDialog();
    ModalScript script;
    // One dialog run: 4 and 1001 are refused in place, then 5 closes it.
    script.then([](QWidget& w) {
        auto& d = static_cast<InputDialog&>(w);
        EXPECT_EQ(ModalScript::captionOf(w), "Enter delay time");
        EXPECT_EQ(d.prompt(), "Enter a time in milliseconds (25 is fast, 60 is slow)");
        EXPECT_EQ(d.text(), "15");
        for (const char* refused : {"4", "1001"}) {
            d.edit()->setText(refused);
            d.okButton()->click();
            EXPECT_NE(d.result(), IDOK) << refused;
        }
        d.edit()->setText("5");
        return ModalScript::press(w, IDOK);
    });
    expectOutOfRange(script, "Must be between 5 and 1000");
    expectOutOfRange(script, "Must be between 5 and 1000");
    EXPECT_EQ(dialog->Execute(), IDOK);
    EXPECT_EQ(dialog->text(), "5");
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(script.seen.size(), 3);
}

TEST_F(InputDialogTest, BothEndsOfTheRangeAreAcceptedAtOnce) {
    for (const char* accepted : {"5", "1000"}) {
        auto dialog = delayDialog();
        ModalScript script;
        script.then(typeAndClickOk(accepted, true));
        // Callers may also run it themselves and look for Accepted.
        EXPECT_EQ(Modal::runModal(*dialog), QDialog::Accepted);
        EXPECT_EQ(dialog->text(), accepted);
        EXPECT_EQ(script.seen.size(), 1) << "no refusal box for " << accepted;
    }
}

TEST_F(InputDialogTest, LevelFieldHoldsThreeCharactersAndRefusesZeroAndEmpty) {
    MyTRangeValidator levelRange(1, 115);
    InputDialog dialog(nullptr, "Enter Level", "Enter level of difficulty (5 is easy, 30 is hard)",
                       "5", 3, &levelRange);
    ModalScript script;
    script.then([](QWidget& w) {
        auto& d = static_cast<InputDialog&>(w);
        d.show(); // Enter reaches the default button of a shown dialog only
        EXPECT_EQ(d.text(), "5");
        d.edit()->selectAll();
        QTest::keyClicks(d.edit(), "1234");
        EXPECT_EQ(d.text(), "123") << "the fourth key is not taken";
        for (const char* refused : {"123", "0", "", "abc"}) {
            d.edit()->setText(refused);
            QTest::keyClick(d.edit(), Qt::Key_Return); // Enter presses OK
            EXPECT_NE(d.result(), IDOK) << refused;
        }
        d.edit()->setText("1");
        QTest::keyClick(d.edit(), Qt::Key_Return);
        return d.result();
    });
    for (int i = 0; i < 4; ++i)
        expectOutOfRange(script, "Must be between 1 and 115");
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.text(), "1");
    EXPECT_EQ(RangeValidator::atolValue(dialog.text()), 1);
}

TEST_F(InputDialogTest, CancelAndEscapeCloseWithoutCheckingTheText) {
    {
        auto dialog = delayDialog();
        ModalScript script;
        script.then([](QWidget& w) {
            auto& d = static_cast<InputDialog&>(w);
            d.edit()->setText("4");
            d.cancelButton()->click();
            return d.result();
        });
        EXPECT_EQ(dialog->Execute(), IDCANCEL);
        EXPECT_EQ(script.seen.size(), 1) << "no refusal box on Cancel";
    }
    {
        auto dialog = delayDialog();
        dialog->show();
        dialog->edit()->setText("2000");
        QTest::keyClick(dialog->edit(), Qt::Key_Escape);
        EXPECT_EQ(dialog->result(), IDCANCEL);
        EXPECT_FALSE(dialog->isVisible());
    }
}

TEST_F(InputDialogTest, SpellingFieldTakesAnyTextUpToTheFlashLength) {
    InputDialog dialog(nullptr, "Type out the flash text:", "Spell It", "", 7);
    EXPECT_EQ(dialog.text(), "");
    ModalScript script;
    script.then([](QWidget& w) {
        auto& d = static_cast<InputDialog&>(w);
        QTest::keyClicks(d.edit(), "the cat ");
        EXPECT_EQ(d.text(), "the cat") << "the trailing space does not fit";
        return ModalScript::press(w, IDOK);
    });
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.text(), "the cat");

    // Without a validator an empty answer is accepted too.
    InputDialog empty(nullptr, "Type out the flash text:", "Spell It", "", 5);
    script.then(typeAndClickOk("", true));
    EXPECT_EQ(empty.Execute(), IDOK);
}

TEST_F(InputDialogTest, RunsForRealWithoutAScript) {
    auto dialog = delayDialog();
    QTimer::singleShot(0, dialog.get(), [&dialog] {
        dialog->edit()->setText("250");
        dialog->okButton()->click();
    });
    EXPECT_EQ(dialog->Execute(), IDOK);
    EXPECT_EQ(dialog->text(), "250");
}

TEST(RangeValidator, ReadsTheLeadingNumberAsAtolDoes) {
    MyTRangeValidator level(1, 115);
    EXPECT_TRUE(level.IsValid("1"));
    EXPECT_TRUE(level.IsValid("115"));
    EXPECT_TRUE(level.IsValid("  42"));
    EXPECT_TRUE(level.IsValid("+7"));
    EXPECT_TRUE(level.IsValid("12ab")); // the digits before the letters count
    EXPECT_FALSE(level.IsValid("116"));
    EXPECT_FALSE(level.IsValid("-5"));
    EXPECT_FALSE(level.IsValid("ab12"));
    EXPECT_FALSE(level.IsValid("- 5"));
    EXPECT_FALSE(level.IsValid("99999999999999999999999")); // no wrap into the range

    // A text without a number fails even where 0 is allowed.
    MyTRangeValidator fromZero(0, 10);
    EXPECT_TRUE(fromZero.IsValid("0"));
    EXPECT_FALSE(fromZero.IsValid(""));
    EXPECT_FALSE(fromZero.IsValid("x"));

    EXPECT_EQ(RangeValidator::atolValue(" 37 ms"), 37);
    EXPECT_EQ(RangeValidator::atolValue("-8"), -8);
    EXPECT_EQ(RangeValidator::atolValue("none"), 0);
}

TEST(RangeValidatorReport, IsAnOwnerlessOutOfRangeBoxWhateverTheDialog) {
    QWidget owner;
    MyTRangeValidator delay(5, 1000);
    ModalScript script;
    expectOutOfRange(script, "Must be between 5 and 1000");
    delay.Error(&owner);
    EXPECT_TRUE(script.finished());
}
