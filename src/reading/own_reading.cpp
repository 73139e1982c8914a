#include "reading/own_reading.h"

#include "platform/message_box.h"
#include "reading/scr.h"

void OwnReading::show(ScrollTextBox& box, QWidget* parent, bool offer) {
    if (!text_) return;
    box.takeText(text_->text, true);
    ++shows_;
    if (offer) offerToContinue(box, parent);
}

void OwnReading::offerToContinue(ScrollTextBox& box, QWidget* parent) const {
    if (!text_->remembered()) return;
    const std::optional<int> place = ReadingPlaces::stored(text_->key);
    if (!place) return;
    const QStringView text = box.measuredText();
    const int start = ReadingPlaces::lineStartOfPlace(text, *place);
    if (start <= 0) return;
    const qsizetype line = text.left(start).count(u'\n') + 1;
    const qsizetype lines = text.count(u'\n') + (text.endsWith(u'\n') ? 0 : 1);
    const QString question =
        QStringLiteral("Continue from line %1 of %2, where you stopped last time?").arg(line).arg(lines);
    if (MessageBox(parent, question, QStringLiteral("Continue Reading?"), MB_YESNO) != IDYES) return;
    // The line feed ending the line above the one to start with.
    box.SetTopLeftCharNo(start - 1);
    box.TextAllRedraw(nullptr, 0);
}

void OwnReading::rememberPlace(const ScrollTextBox& box) const {
    if (!text_ || !text_->remembered() || !box.ownText()) return;
    ReadingPlaces::store({text_->key, ReadingPlaces::placeOfLine(box.DisplayText, box.StartChar + 1)});
}
