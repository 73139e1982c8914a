#include "drill/mytrangevalidator.h"

#include "platform/message_box.h"

void MyTRangeValidator::Error(QWidget*) {
    MessageBox(nullptr, QString::asprintf("Must be between %i and %i", min(), max()),
               QStringLiteral("Out of range"), MB_OK | MB_ICONSTOP);
}
