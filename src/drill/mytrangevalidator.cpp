#include "drill/mytrangevalidator.h"

#include "platform/message_box.h"

namespace {
// Stop icon bit of the message box type.
constexpr unsigned kIconStop = 0x10;
} // namespace

void MyTRangeValidator::Error(QWidget*) {
    MessageBox(nullptr, QString::asprintf("Must be between %i and %i", min(), max()),
               QStringLiteral("Out of range"), MB_OK | kIconStop);
}
