#include "reading/dis.h"

#include "platform/message_box.h"

void display::NewText() {
    topleftcharno = -1;
    MidLineY = -1;
    topLines_.clear();
}

void display::AddLine(int x, int y, int start, char kind, int len, char flag, const QString& text) {
    lines_.push_front(linerec{x, y, len, start, kind, flag, text});
    if (MidLineY < 0) MidLineY = y;
}

void display::LineEatTop() {
    if (lines_.empty()) return;
    topLines_.push_front(lines_.back().text);
    lines_.pop_back();
    if (static_cast<int>(topLines_.size()) > MidLineStart) topLines_.pop_back();
}

QString display::TopLine(int i) const {
    const int kept = static_cast<int>(topLines_.size());
    if (i < 0 || i >= kept || i >= MidLineStart) {
        MessageBox(nullptr, QStringLiteral("topline error"), QStringLiteral("tle"), MB_OK);
        return QString();
    }
    // The oldest kept line is at the back.
    return topLines_[kept - 1 - i];
}
