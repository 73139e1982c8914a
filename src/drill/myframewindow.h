#pragma once

#include "drill/base.h"
#include "drill/flash_layout.h"

#include <QFont>
#include <QString>

#include <vector>

// The drill window's text side: which text is flashed, the font and window
// fitted to it, its lines, its drawing, and the question after the flash.
class MyFrameWindow : public Base {
    Q_OBJECT
public:
    MyFrameWindow(QWidget* parent, Lesson* lesson, const QString& caption);

    void SetupWindow() override;

    void UnDrawItems() override { Clear(); }
    int question() override;
    void DrawIt(int length) override;
    void ReCheckDerivedMenus() override;
    void ReSize(int mode, QSize* size = nullptr) override;
    void CalculateLineBreaks() override;
    void DrawShadows() override;

    void SetDisplayText(int n);
    QSize WindowDims(int mode, int availableHeight);
    QSize FlashDims();
    void StretchWindow(int w, int h);
    void DrawWordGroups(QPainter& p, int x, int y, const QString& text);
    void FontBigger() { ReSize(3); }
    void FontSmaller() { ReSize(2); }
    void PageChange(int direction);
    void CMDrillShadows();

    // The default top-left for a window of this size when none is stored.
    static QPoint defaultPosition(QSize window, QRect desktop, int monitorWidth);
    // Answers are compared with A-Z folded to a-z and nothing else changed.
    static bool sameAnswer(const QString& typed, const QString& flashed);

    int maxLineWidth = 0;
    int lineHeight = 0;
    std::vector<int> lineBreaks; // last index of each line, then -1
    QFont flashFont;
    QString displayText;

    static const char* const sampleLine;

private:
    void drawLines(QPainter& p, bool shadows);
    void setFontHeight(int height);
    bool fontMade_ = false;
};
