#include "reading/scr.h"

#include <QImage>

int scrollPixelStep(int lineHeight, int stepsPerLine, int k) {
    return lineHeight / stepsPerLine + (k < lineHeight % stepsPerLine ? 1 : 0);
}

QRect scrollRectangle(const QSize&, int, int) { return {}; }
void scrollImageUp(QImage&, const QRect&, int) {}

ScrollTextBox::ScrollTextBox(int lineMode) : TextBox(lineMode) {}
bool ScrollTextBox::load(const QString& fileName) { return TextBox::load(fileName); }
void ScrollTextBox::set(const QString& text) { TextBox::set(text); }
bool ScrollTextBox::NewSize() { return TextBox::NewSize(); }
void ScrollTextBox::TextAllRedraw(QPainter* dc, int how) { TextBox::TextAllRedraw(dc, how); }
void ScrollTextBox::SetTopLeftCharNo(int cn) { StartChar = cn; }
int ScrollTextBox::FindNewStartChar(int, int) const { return 0; }
bool ScrollTextBox::ScrollLine(int) { return false; }
void ScrollTextBox::smoothness(int stepsPerLine) { StepsPerLine = stepsPerLine; }
