#include "reading/textbox.h"

#include "platform/canvas_widget.h"
#include "platform/desktop.h"
#include "platform/locations.h"
#include "platform/message_box.h"
#include "reading/readinghost.h"
#include "reading/text_file.h"
#include "shell/globals.h"
#include "shell/settings.h"

#include <QDir>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QtMath>

#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kPadLines = 30;

int trimmedEnd(const QString& text, int from, int to) {
    while (to > from && text[to - 1] == ' ')
        --to;
    return to;
}

// The printed width of a line without its trailing spaces.
int lineWidth(const QFontMetrics& fm, const QString& line) {
    const int end = trimmedEnd(line, 0, static_cast<int>(line.size()));
    return fm.horizontalAdvance(line.left(end));
}

// Own texts are wrapped at about 70 characters of running text, so a line is read
// in one sweep; never wider than the screen allows. The font's own average width
// is that of all its glyphs, well above that of ordinary words.
qreal ownTextMeasure(const QFont& font) {
    static const QString sample = QStringLiteral("the quick brown fox jumps over the lazy dog");
    const qreal perChar = QFontMetricsF(font).horizontalAdvance(sample) / sample.size();
    return std::min(70 * perChar, 0.9 * desktopRect().width());
}

} // namespace

// How wide each grapheme cluster of own texts is drawn in one font, measured once
// each: shaping every line of a large text whole would take seconds.
class ClusterWidths {
public:
    explicit ClusterWidths(const QFont& font) : font_(font), fm_(font), single_(0x10000, -1) {}
    const QFont& font() const { return font_; }
    qreal operator()(QStringView cluster) {
        if (cluster.size() == 1) {
            float& w = single_[cluster[0].unicode()];
            if (w < 0) w = static_cast<float>(fm_.horizontalAdvance(cluster[0]));
            return w;
        }
        const auto it = multi_.constFind(QString::fromRawData(cluster.constData(), cluster.size()));
        if (it != multi_.cend()) return *it;
        const QString key = cluster.toString();
        return *multi_.insert(key, fm_.horizontalAdvance(key));
    }

private:
    QFont font_;
    QFontMetricsF fm_;
    std::vector<float> single_;
    QHash<QString, qreal> multi_;
};

QFont readingFont(int pixelSize, bool bold) {
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(std::max(1, pixelSize));
    f.setBold(bold);
    return f;
}

TextBox::TextBox(int lineMode)
    : LineMode(lineMode), NormalFont(readingFont(14, false)), BoldFont(readingFont(14, true)),
      SmallFont(readingFont(9, true)) {}

TextBox::~TextBox() = default;

ClusterWidth TextBox::clusterWidths() {
    // Wrapping, measuring and fitting share one table until the font changes.
    if (!clusterWidths_ || clusterWidths_->font() != NormalFont)
        clusterWidths_ = std::make_unique<ClusterWidths>(NormalFont);
    return std::ref(*clusterWidths_);
}

bool TextBox::load(const QString& fileName) {
    LoadFileName = fileName;
    const bool own = !QDir::isRelativePath(fileName);
    const TextFileResult read = readTextFile(own ? fileName : Locations::dataPath(fileName));
    // A file that cannot be read changes nothing: text, place and page stay as they are.
    if (read.error != TextFileError::None) {
        const TextFileProblem problem = textFileProblem(fileName, read.error);
        MessageBox(hwin, problem.text, problem.caption, MB_OK);
        return false;
    }
    takeText(read.text, own);
    return true;
}

void TextBox::takeText(const QString& text, bool own) {
    Display.NewText();
    Loaded = 1;
    ownText_ = own;
    ownSource_.clear();
    DisplayText = text;
    if (own) {
        ownSource_ = text;
        DisplayText = wrapLines(ownSource_, clusterWidths(), ownTextMeasure(NormalFont));
    }
    measuredLength_ = static_cast<int>(DisplayText.size());
    if (win && win->padText()) DisplayText.append(QString(kPadLines, '\n'));
    if (win) win->SetProgressMax(static_cast<int>(DisplayText.size()));
    SetFileWidth();
    NewSize();
    TextAllRedraw(nullptr, 0);
    if (win) win->TextLoaded();
}

void TextBox::set(const QString& text) {
    DisplayText = text;
    measuredLength_ = static_cast<int>(text.size());
    ownText_ = false;
    ownSource_.clear();
    Display.NewText();
    TextAllRedraw(nullptr, 0);
}

void TextBox::addto(const QString& text) {
    DisplayText += text;
}

int TextBox::TextLength() const {
    auto characters = [](QStringView text) {
        int n = 0;
        for (const QChar c : text)
            if (!c.isLowSurrogate()) ++n;
        return n;
    };
    // Speeds count what the reader read: not the line feeds and spaces of an own
    // text's layout.
    if (ownText_)
        return characters(ownSource_) +
               characters(QStringView(DisplayText).sliced(measuredLength_));
    return characters(DisplayText);
}

void TextBox::SetFileWidth() {
    // Our readings: a last line without a line end is shown but not measured.
    measureLines(DisplayText.left(measuredLength_), ownText_);
    FontWidths();
}

void TextBox::measureLines(const QString& text, bool lastLineCounts) {
    const QFontMetrics fm(NormalFont);
    const ClusterWidth clusterWidth = ownText_ ? clusterWidths() : ClusterWidth();
    WidestLineChars = 0;
    WidestLine.clear();
    long long total = 0;
    int count = 0;
    qreal widest = -1;
    const int n = static_cast<int>(text.size());
    int from = 0;
    while (from < n) {
        int nl = static_cast<int>(text.indexOf('\n', from));
        if (nl < 0) {
            if (!lastLineCounts) break;
            nl = n;
        }
        const int len = nl - from;
        total += len;
        ++count;
        WidestLineChars = std::max(WidestLineChars, len);
        // Own texts, which may be large, by their clusters' widths.
        const qreal width = ownText_
                                ? summedWidth(QStringView(text).sliced(from, len), clusterWidth)
                                : lineWidth(fm, text.mid(from, len));
        if (width > widest) {
            widest = width;
            WidestLine = text.mid(from, len);
        }
        from = nl + 1;
    }
    AverageLineChars = count > 0 ? static_cast<int>(total / count) : 70;
}

bool TextBox::FontWidths() {
    const QFontMetrics fm(NormalFont);
    int w = lineWidth(fm, WidestLine);
    if (ownText_) {
        // The widest by summed clusters, so no line of the text is wider than the page.
        // An own text is wrapped to fit; a character wider than that still gets its page.
        w = std::max(w, qCeil(summedWidth(WidestLine, clusterWidths())));
    } else if (w > 0.9 * desktopRect().width()) {
        return true;
    }
    const int m = std::clamp(2 * fm.horizontalAdvance(QLatin1Char('M')), 4, 30);
    Margin = m;
    Offset = m;
    TextWidth = w + 2 * m;
    return false;
}

bool TextBox::NewSize() {
    if (!Loaded) return false;
    if (FontWidths()) return true;
    if (!win) return false;
    const int outer = win->outerWidthFor(TextWidth + 2 * Offset);
    // Resizing the height refits the width too; an unchanged width is not written again.
    if (Settings::userInt("SpeedTestScreenWidth", -1) != outer)
        Settings::writeUserInt("SpeedTestScreenWidth", outer);
    SizeLock = 1;
    win->setOuterWidth(outer);
    SizeLock = 0;
    TextHeight = logicalSize(win->canvas()).height() - 2 * Offset;
    return false;
}

void TextBox::FontLarger() {
    AlterFont(static_cast<int>(FontSize * 1.1 + 1.0));
}

void TextBox::FontSmaller() {
    AlterFont(static_cast<int>(FontSize * 0.9));
}

void TextBox::AlterFont(int size) {
    if (size < kMinFontSize || size > kMaxFontSize) return;
    const QFont old = NormalFont;
    NormalFont = readingFont(size, false);
    if (ownText_) wrapOwnText();
    if (NewSize()) {
        NormalFont = old;
        if (ownText_) wrapOwnText();
        return;
    }
    FontSize = size;
    Settings::writeUserInt("SpeedTestFontSize", size);
    BoldFont = readingFont(size, true);
    TextAllRedraw(nullptr, 0);
}

void TextBox::wrapOwnText() {
    const QString wrapped = wrapLines(ownSource_, clusterWidths(), ownTextMeasure(NormalFont));
    DisplayText = wrapped + DisplayText.mid(measuredLength_);
    measuredLength_ = static_cast<int>(wrapped.size());
    // The top of the page goes back to the start of the line it falls in.
    int& top = Display.topleftcharno;
    top = std::min(top, static_cast<int>(DisplayText.size()) - 1);
    if (top >= 0 && DisplayText[top] != '\n')
        top = static_cast<int>(DisplayText.lastIndexOf('\n', top));
    measureLines(DisplayText.left(measuredLength_), true);
}

QRect TextBox::pageRect() const {
    const int right =
        win ? logicalSize(win->canvas()).width() - Offset : Offset + TextWidth + Offset;
    return QRect(QPoint(Offset, Offset), QPoint(right - 1, Offset + TextHeight - 1));
}

QRect TextBox::clipRect() const {
    return QRect(Margin, Margin, TextWidth, TextHeight);
}

void TextBox::TextAllRedraw(QPainter* dc, int how) {
    if (!win) return;
    QImage& image = win->canvas();
    QPainter own;
    if (!dc) {
        own.begin(&image);
        dc = &own;
    }
    if (how == 0) {
        Display.LinesErase();
        dc->setPen(QPen(Qt::black, 0));
        dc->setBrush(GreyBrush);
        const QSize client = logicalSize(image);
        dc->drawRect(0, 0, client.width() - 1, client.height() - 1);
        dc->setBrush(WhiteBrush);
        const QRect page = pageRect();
        dc->drawRect(page.x(), page.y(), page.width() - 1, page.height() - 1);
    }
    dc->setFont(NormalFont);
    printTextNoWrap(*dc, Display.topleftcharno, how);
    if (own.isActive()) {
        own.end();
        // A bottom-line redraw shows only the band it wrote (the page when an
        // override drew elsewhere).
        const QRect band = drawnBand_.isEmpty() ? clipRect() : drawnBand_;
        const QRect all = logicalRect(image);
        win->present(how == 0 ? all : band & clipRect() & all);
    }
}

void TextBox::printTextNoWrap(QPainter& dc, int start, int how) {
    win->SetProgress(start);
    if (DisplayText.isEmpty()) return;
    const QFontMetrics fm(NormalFont);
    LineHeight = fm.height();
    const int length = static_cast<int>(DisplayText.size());
    // A page laid out afresh forgets the bottom of an earlier, taller page.
    if (how == 0) LastFullLine = -1;
    const int x = Offset + Margin;
    int y = Offset + Margin;
    drawnBand_ = QRect();
    int i = 0;
    int p = start;
    for (;;) {
        int end = static_cast<int>(DisplayText.indexOf('\n', p + 1));
        bool last = false;
        if (end < 0) {
            end = length;
            last = true;
        } else if (end == length - 1) {
            last = true;
        }
        const int count = end - (p + 1);
        if (how == 0 || (how == 2 && i == LastFullLine + 1)) {
            Display.AddLine(x, y, p + 1, 'f', count, 0, DisplayText.mid(p + 1, count));
            MyTextOut(dc, p + 1, x, y, count, i, DisplayText);
            drawnBand_ |= QRect(x, y, clipRect().right() - x + 1, LineHeight);
        }
        // The end of the text is on the page, also when this line fills it.
        if (end + 31 >= length - 1) win->EnableTimerStop();
        y += LineHeight;
        if (y >= Offset + TextHeight - LineHeight) break;
        if (how == 0) LastFullLine = i;
        ++i;
        p = end;
        if (last) break;
    }
}

void TextBox::MyTextOut(QPainter& dc, int start, int x, int y, int count, int,
                        const QString& text) {
    dc.save();
    dc.setFont(NormalFont);
    dc.setClipRect(clipRect());
    dc.setPen(Qt::black);
    dc.setBackground(Qt::white);
    dc.setBackgroundMode(Qt::OpaqueMode);
    dc.drawText(x, y + QFontMetrics(NormalFont).ascent(), text.mid(start, count));
    dc.restore();
}
