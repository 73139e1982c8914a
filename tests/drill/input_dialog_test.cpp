#include "drill/mytrangevalidator.h"
#include "platform/input_dialog.h"
#include "support/shell_fixture.h"

#include <QMessageBox>

using InputDialogTest = ShellTest;

TEST_F(InputDialogTest, OutOfRangeValuesAreRefusedWithTheStopIconCancelAndEscapeAreNot) {
    MyTRangeValidator levelRange(1, 115);
    InputDialog dialog(nullptr, "Enter Level", "Enter level of difficulty (5 is easy, 30 is hard)",
                       "5", 3, &levelRange);
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
        script.then([](QWidget& w) {
            EXPECT_EQ(w.windowTitle().toStdString(), "Out of range");
            EXPECT_EQ(ModalScript::textOf(w).toStdString(), "Must be between 1 and 115");
            EXPECT_EQ(qobject_cast<QMessageBox*>(&w)->icon(), QMessageBox::Critical); // stop icon
            return ModalScript::press(w, IDOK);
        });
    EXPECT_TRUE(dialog.Execute() == IDOK && dialog.text() == "115");
    // Cancel and Escape close at once, whatever the text: no refusal box.
    script.then([](QWidget& w) {
        auto& d = static_cast<InputDialog&>(w);
        d.edit()->setText("400");
        d.cancelButton()->click();
        return d.result();
    });
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    dialog.show();
    dialog.edit()->setText("200");
    QTest::keyClick(dialog.edit(), Qt::Key_Escape);
    EXPECT_TRUE(dialog.result() == IDCANCEL && !dialog.isVisible());
}

TEST(RangeValidator, ReadsTheLeadingNumberAsAtolDoes) {
    for (auto [text, valid] : {std::pair{"  42", true}, {"12ab", true}, {"-5", false},
                               {"99999999999999999999999", false}})
        EXPECT_EQ(MyTRangeValidator(1, 115).IsValid(text), valid) << text;
    EXPECT_FALSE(MyTRangeValidator(0, 10).IsValid("x")); // no number is not 0
}
