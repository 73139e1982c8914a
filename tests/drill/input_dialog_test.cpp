#include "drill/mytrangevalidator.h"
#include "platform/input_dialog.h"

#include "support/shell_fixture.h"

#include "platform/modal.h"

#include <QMessageBox>
#include <QTimer>

#include <memory>

namespace {

MyTRangeValidator delayRange(5, 1000);

std::unique_ptr<InputDialog> delayDialog() {
    return std::make_unique<InputDialog>(nullptr, "Enter delay time", "Enter a time", "15", 5,
                                         &delayRange);
}

void expectOutOfRange(ModalScript& script, const char* text) {
    script.then([text](QWidget& w) {
        EXPECT_EQ(ModalScript::captionOf(w).toStdString(), "Out of range");
        EXPECT_EQ(ModalScript::textOf(w).toStdString(), text);
        EXPECT_EQ(w.parentWidget(), nullptr) << "the refusal box has no owner";
        EXPECT_EQ(qobject_cast<QMessageBox*>(&w)->icon(), QMessageBox::Critical); // stop icon
        return ModalScript::press(w, IDOK);
    });
}

} // namespace

using InputDialogTest = ShellTest;

TEST_F(InputDialogTest, OutOfRangeValuesAreRefusedAndTheDialogStaysOpen) {
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
        d.edit()->setText("115");
        d.okButton()->click();
        return d.result();
    });
    for (int i = 0; i < 4; ++i)
        expectOutOfRange(script, "Must be between 1 and 115");
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.text(), "115");
    EXPECT_TRUE(script.finished());
}

TEST_F(InputDialogTest, CancelAndEscapeCloseWithoutCheckingTheText) {
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

    dialog = delayDialog();
    dialog->show();
    dialog->edit()->setText("2000");
    QTest::keyClick(dialog->edit(), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), IDCANCEL);
    EXPECT_FALSE(dialog->isVisible());
}

TEST(RangeValidator, ReadsTheLeadingNumberAsAtolDoes) {
    for (auto [text, valid] : {std::pair{"115", true}, {"  42", true}, {"+7", true}, {"12ab", true},
                               {"116", false}, {"-5", false}, {"ab12", false}, {"- 5", false},
                               {"99999999999999999999999", false}})
        EXPECT_EQ(MyTRangeValidator(1, 115).IsValid(text), valid) << text;
    EXPECT_TRUE(MyTRangeValidator(0, 10).IsValid("0"));
    EXPECT_FALSE(MyTRangeValidator(0, 10).IsValid("x")); // no number is not 0
}
