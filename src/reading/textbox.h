#pragma once

#include "reading/dis.h"
#include "reading/text_file.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <memory>

class ClusterWidths;
class QPainter;

// One reading as a single text: measured, fitted to the window and drawn line by
// line on a white page in the current reading window's canvas (the global `win`).
// A line feed ends each displayed line. Names given relative ("pr_bas/p3.dat")
// are our readings from the data tree and keep their line breaks; absolute names
// are the user's own files, wrapped at a readable measure.
class TextBox {
public:
    explicit TextBox(int lineMode);
    virtual ~TextBox();
    TextBox(const TextBox&) = delete;
    TextBox& operator=(const TextBox&) = delete;

    // Lays out and draws the lines that begin after character number `start`;
    // how 0 draws the whole page, 2 only its bottom line.
    virtual void printTextNoWrap(QPainter& dc, int start, int how);
    virtual void ReMark() {}
    // Writes `count` characters of `text` from `start` at (x, y); lineIndex is the
    // page line, for overrides.
    virtual void MyTextOut(QPainter& dc, int start, int x, int y, int count, int lineIndex,
                           const QString& text);
    // Reads a file and shows it from its first line. False when it could not be
    // read (the user was told; the old text stays).
    bool load(const QString& fileName);
    // Shows a text already read from its first line; an own text is wrapped for reading.
    virtual void takeText(const QString& text, bool own);
    // Replaces the text and redraws the page; no measuring, no resizing.
    virtual void set(const QString& text);
    // Fits the window to the page; true when the widest line would not fit on the screen.
    virtual bool NewSize();
    // Draws the page (how 0) or its bottom line (how 2). With no painter the box
    // paints the canvas of `win` and presents it.
    virtual void TextAllRedraw(QPainter* dc, int how);

    void addto(const QString& text);
    // Characters of the text (not bytes, not UTF-16 units); of an own text as it
    // was read, without the line feeds and spaces of its layout.
    int TextLength() const;
    void FontLarger();
    void FontSmaller();
    void AlterFont(int size);
    void SetFileWidth();
    bool FontWidths();

    // The page rectangle and the clip of the lines, from the current sizes.
    QRect pageRect() const;
    QRect clipRect() const;
    // True when the text came from the user's own file (wrapped for reading).
    bool ownText() const { return ownText_; }
    // The text as laid out, without what was added after it (padding, the closing line).
    QStringView measuredText() const { return QStringView(DisplayText).left(measuredLength_); }

    QString LoadFileName;
    int LineMode;
    int Loaded = 0;
    int LastFullLine = -1;
    int FontSize = 14;
    QColor GreyBrush{0xC0, 0xC0, 0xC0};
    int WidestLineChars = 0;
    QString WidestLine;
    int Margin = 10;
    int TextWidth = 700;
    int TextHeight = 448;
    int AverageLineChars = 70;
    QColor WhiteBrush{0xFF, 0xFF, 0xFF};
    int LineHeight = 0;
    QString DisplayText;
    QFont NormalFont;
    QFont BoldFont;
    QFont SmallFont;
    display Display;
    int Offset = 16;

    // Smallest and largest font sizes in pixels the box takes.
    static constexpr int kMinFontSize = 4;
    static constexpr int kMaxFontSize = 72;

protected:
    // Measures the lines of a text (all of them when lastLineCounts, else all but
    // an unterminated last one).
    void measureLines(const QString& text, bool lastLineCounts);
    // Wraps the user's own text again at the measure of the normal font.
    void wrapOwnText();

private:
    // The widths of own-text clusters in the normal font.
    ClusterWidth clusterWidths();

    std::unique_ptr<ClusterWidths> clusterWidths_;
    QString ownSource_;      // the user's text as read, before wrapping
    int measuredLength_ = 0; // the part of the text that came from the file
    QRect drawnBand_;        // where the last layout wrote lines
    bool ownText_ = false;
};

// "Times New Roman" (metric-compatible Liberation Serif) at a pixel height.
QFont readingFont(int pixelSize, bool bold);
