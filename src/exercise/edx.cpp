#include "exercise/edx.h"

#include "platform/canvas_widget.h"
#include "reading/readinghost.h"
#include "shell/globals.h"
#include "shell/settings.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

#include <utility>

namespace {

const QColor kShadow(128, 128, 128);
const QColor kGap(192, 192, 192);

// The exercise shows a tab as one space wide, in the shadows and in the words
// alike, so revealed words land on their shadows.
QString plain(QStringView text) {
    QString t = text.toString();
    t.replace(u'\t', u' ');
    return t;
}

// The words of a line whose left edge is at x, black on an opaque white ground, where
// the pixel columns [from, to) from that edge lie. Each piece is cut from a drawing of
// the whole line, so a line revealed group by group and the same line drawn at once
// are the same pixels, and a redraw changes nothing the reader sees.
void drawWords(QPainter& dc, const QFontMetrics& fm, int x, int y, int from, int to,
               QStringView line) {
    const QRect piece(x + from, y, to - from, fm.height());
    dc.save();
    dc.setClipRect(piece, Qt::IntersectClip);
    dc.fillRect(piece, Qt::white);
    dc.setPen(Qt::black);
    dc.drawText(QPoint(x, y + fm.ascent()), plain(line));
    dc.restore();
}

} // namespace

ExerciseBox::ExerciseBox(int division_)
    : ScrollTextBox(1), division(Division::ClampDivision(division_)) {}

std::vector<int> ExerciseBox::offsetsOf(const QString& line) const {
    // Where each character lands when the whole line is drawn, so shadows,
    // revealed groups and the white under them line up to the pixel.
    QTextLayout layout(plain(line), NormalFont);
    QTextOption oneLine;
    oneLine.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(oneLine);
    layout.beginLayout();
    QTextLine textLine = layout.createLine();
    if (textLine.isValid()) textLine.setLineWidth(1e6);
    layout.endLayout();
    std::vector<int> offsets(line.size() + 1, 0);
    if (textLine.isValid())
        for (qsizetype i = 0; i <= line.size(); ++i)
            offsets[i] = qRound(textLine.cursorToX(static_cast<int>(i)));
    return offsets;
}

Shadows::Line ExerciseBox::shadowsOf(const QString& line, int x, int y) const {
    return Shadows::layout(line, x, y, division, AverageLineChars, offsetsOf(line),
                           QFontMetrics(NormalFont).height());
}

void ExerciseBox::printTextNoWrap(QPainter& dc, int start, int how) {
    if (win) win->SetProgress(start);
    if (DisplayText.isEmpty()) return;
    LineHeight = QFontMetrics(NormalFont).height();
    const int h = std::max(LineHeight, 1);
    const int a = Offset + Margin;
    const int clientHeight = win ? logicalSize(win->canvas()).height() : 0;
    const int pageLines = (clientHeight - 2 * Margin - 2 * Offset) / h;
    const int middle = std::max(pageLines / 2, 0);
    int y = a + middle * h;
    Display.SetMidLineStart(middle);
    if (how == 0) DrawExposedLines(dc);

    const int length = static_cast<int>(DisplayText.size());
    int p = start;
    for (int i = 0;; ++i) {
        const int lineStart = p + 1;
        const int feed = static_cast<int>(DisplayText.indexOf(u'\n', lineStart));
        const int lineEnd = feed < 0 ? length : feed;
        const int n = std::max(lineEnd - lineStart, 0);
        const bool lastLine = feed < 0 || feed == length - 1;
        if (how == 0 || (how == 2 && i == lastLineDrawn + 1)) {
            Display.AddLine(a, y, lineStart, 'f', n, 0, DisplayText.mid(lineStart, n));
            MyTextOut(dc, lineStart, a, y, n, i, DisplayText);
            if (how == 0 && i == 0) {
                // A finished line stays in words until the release moves it on.
                const bool finished = lineFinished;
                StorePopWordGroup(a, y, DisplayText, lineStart, n, true);
                while (finished && nextGroup < groupCount)
                    revealNextGroup(&dc);
            }
        }
        // After a scroll the next line is the page's top record. On a page of a
        // single line that is the line just drawn.
        if (how == 2 && i == std::max(lastLineDrawn, 0) && !Display.lines().empty())
            StorePopWordGroup(a, y, DisplayText, Display.CMidLine(), Display.LMidLine(), false);
        y += h;
        if (y >= Offset + TextHeight - h) break;
        if (how == 0) lastLineDrawn = i;
        if (how == 1 || lastLine) break;
        p = feed;
    }
}

void ExerciseBox::takeText(const QString& text, bool own) {
    // A new text starts hidden.
    lineFinished = false;
    ScrollTextBox::takeText(text, own);
}

void ExerciseBox::set(const QString& text) {
    lineFinished = false;
    ScrollTextBox::set(text);
}

void ExerciseBox::MyTextOut(QPainter& dc, int start, int x, int y, int count, int,
                            const QString& text) {
    dc.save();
    dc.setClipRect(clipRect());
    DrawWordGroups(dc, x, y, text.mid(start, count));
    dc.restore();
}

void ExerciseBox::DrawWordGroups(QPainter& dc, int x, int y, const QString& line) {
    const Shadows::Line shadows = shadowsOf(line, x, y);
    const qreal radius = shadows.corner / 2.0;
    dc.setRenderHint(QPainter::Antialiasing, false);
    // Filled without an outline: a pen would reach past the bar on a dense screen and
    // peek out beside the words that cover it.
    dc.setPen(Qt::NoPen);
    dc.setBrush(kShadow);
    for (const QRect& bar : shadows.bars)
        dc.drawRoundedRect(bar, radius, radius);
    for (const QRect& gap : shadows.gaps)
        dc.fillRect(gap, kGap);
    dc.setBrush(Qt::NoBrush);
}

void ExerciseBox::StorePopWordGroup(int x, int y, const QString& text, int p, int n, bool setY) {
    popX = x;
    if (setY) popY = y;
    nextGroup = 0;
    lineText = text.mid(p, n);
    int start = 0;
    int end = static_cast<int>(lineText.size());
    groups = Division::CutIntoGroups(lineText, DetermineWordGroups(lineText, start, end));
    groupCount = static_cast<int>(groups.size());
    lineX = x;
    lineOffsets = offsetsOf(lineText);
    groupStart = 0;
}

QRect ExerciseBox::revealNextGroup(QPainter* dc) {
    const int groupEnd = groupStart + static_cast<int>(groups[nextGroup].size());
    const QFontMetrics fm(NormalFont);
    const int from = lineOffsets[groupStart];
    const int to = lineOffsets[groupEnd];
    if (dc) {
        dc->save();
        dc->setClipRect(clipRect());
        dc->setFont(NormalFont);
        drawWords(*dc, fm, lineX, popY, from, to, lineText);
        dc->restore();
    }
    popX = lineX + to;
    groupStart = groupEnd;
    ++nextGroup;
    return QRect(lineX + from, popY, to - from, fm.height());
}

bool ExerciseBox::PopWordGroup() {
    if (nextGroup >= groupCount) return true;
    if (win && popY >= 0) {
        QPainter dc(&win->canvas());
        const QRect drawn = revealNextGroup(&dc);
        dc.end();
        win->present(drawn);
    } else {
        revealNextGroup(nullptr);
    }
    return nextGroup >= groupCount;
}

void ExerciseBox::LineUp() {
    if (PopWordGroup()) lineFinished = true;
}

bool ExerciseBox::onlyWhiteAfterCurrentLine() const {
    const int feed = static_cast<int>(DisplayText.indexOf(u'\n', Display.topleftcharno + 1));
    if (feed < 0) return true;
    for (qsizetype i = feed + 1; i < DisplayText.size(); ++i) {
        const QChar c = DisplayText[i];
        if (!Division::IsSeparator(c) && c != u'\n' && c != u'\r') return false;
    }
    return true;
}

void ExerciseBox::ScrollIt() {
    if (!lineFinished) return;
    lineFinished = false;
    // The reading is padded with empty lines so its end can reach the middle;
    // once only they are left, the exercise is over.
    if (onlyWhiteAfterCurrentLine()) {
        if (win) win->FinishedScrolling();
        return;
    }
    // The line leaves the middle only now: until the release a redraw still finds it there.
    Display.LineEatTop();
    while (ScrollLine(-1)) {
    }
}

void ExerciseBox::DrawExposedLines(QPainter& dc) {
    const QFontMetrics fm(NormalFont);
    const int h = std::max(fm.height(), 1);
    const int a = Offset + Margin;
    // Only as many as fit above the middle; the newest sit right above it.
    const int middle = Display.MidLineStart;
    const int kept = Display.TopLinesDone();
    const int shown = std::min(kept, middle);
    Display.SetMidLineStart(std::max(kept, middle));
    dc.save();
    dc.setClipRect(clipRect());
    dc.setFont(NormalFont);
    for (int k = 0; k < shown; ++k) {
        const QString line = Display.TopLine(kept - shown + k);
        drawWords(dc, fm, a, a + (middle - shown + k) * h, 0, offsetsOf(line).back(), line);
    }
    dc.restore();
    Display.SetMidLineStart(middle);
}

void ExerciseBox::TargetNoSet(int newDivision) {
    division = Division::ClampDivision(newDivision);
    Settings::writeUserInt("ExerciseDivision", division);
}
