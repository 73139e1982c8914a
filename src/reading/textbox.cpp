#include "reading/textbox.h"

#include <QPainter>

QFont readingFont(int pixelSize, bool bold) {
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

TextBox::TextBox(int lineMode)
    : LineMode(lineMode), NormalFont(readingFont(14, false)), BoldFont(readingFont(14, true)),
      SmallFont(readingFont(9, true)) {}

TextBox::~TextBox() = default;

void TextBox::printTextNoWrap(QPainter&, int, int) {}
void TextBox::MyTextOut(QPainter&, int, int, int, int, int, const QString&) {}
bool TextBox::load(const QString&) { return false; }
void TextBox::set(const QString& text) { DisplayText = text; }
bool TextBox::NewSize() { return false; }
void TextBox::TextAllRedraw(QPainter*, int) {}
void TextBox::addto(const QString& text) { DisplayText += text; }
int TextBox::TextLength() const { return static_cast<int>(DisplayText.size()); }
void TextBox::FontLarger() {}
void TextBox::FontSmaller() {}
void TextBox::AlterFont(int) {}
void TextBox::SetFileWidth() {}
bool TextBox::FontWidths() { return false; }
QRect TextBox::pageRect() const { return {}; }
QRect TextBox::clipRect() const { return {}; }
void TextBox::measureLines(const QString&, bool) {}
void TextBox::wrapOwnText() {}
