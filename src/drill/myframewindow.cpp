#include "drill/myframewindow.h"

#include "drill/myzwindow.h"
#include "drill/record_file.h"
#include "drill/score.h"
#include "lesson/lesson.h"
#include "platform/art.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/input_dialog.h"
#include "platform/locations.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "platform/terminate.h"
#include "shell/globals.h"
#include "shell/settings.h"
#include "shell/sounds.h"
#include "shell/ync.h"

#include <QFontMetrics>
#include <QLayout>
#include <QPainter>
#include <QStatusBar>

#include <algorithm>

const char* const MyFrameWindow::sampleLine =
    "The quick brown fox jumped over the lazy dog The quick brown fox jumped over the lazy dog "
    "The quick brown fox jumped over the lazy dog The quick brown fox jumped over the lazy dog";

namespace {
// Font heights outside this range are unreadable or cannot fit a screen.
constexpr int kMinFontHeight = 4;
constexpr int kMaxFontHeight = 400;
} // namespace

MyFrameWindow::MyFrameWindow(QWidget* parent, Lesson* lesson, const QString& caption)
    : Base(parent, lesson, caption,
           qobject_cast<MyZWindow*>(Client) ? static_cast<MyZWindow*>(Client) : new MyZWindow) {
    Client = client_;
    setWindowIcon(Art::icon(QStringLiteral("APPLICATION")));
    const int w = std::clamp(Settings::userInt("SizesScreenWidth", 298), 100, 4000);
    const int h = std::clamp(Settings::userInt("SizesScreenHeight", 144), 60, 4000);
    resize(w, h);
    int x = Settings::userInt("SizesScreenX", -1);
    int y = Settings::userInt("SizesScreenY", -1);
    if (x == -1 || y == -1 || !cornerOnScreen(QPoint(x, y))) {
        const QPoint p = defaultPosition(QSize(w, h), desktopRect(), parent ? parent->width() : 0);
        x = p.x();
        y = p.y();
    }
    move(x, y);
    windowX = x;
    windowY = y;
    commands.add(41, [this] { FontBigger(); });
    commands.add(42, [this] { FontSmaller(); });
    commands.add(43, [this] { PageChange(+1); });
    commands.add(44, [this] { PageChange(-1); });
    commands.add(51, [this] { CMDrillShadows(); });
}

QPoint MyFrameWindow::defaultPosition(QSize window, QRect desktop, int m) {
    const int dw = desktop.width() - 20;
    const int x = std::min(dw - window.width(), m + (dw - m - window.width()) / 2);
    const int y = (desktop.height() - 20 - window.height()) / 3;
    return {x, y};
}

void MyFrameWindow::SetupWindow() {
    Base::SetupWindow();
    EvSize(false, size());
}

void MyFrameWindow::SetDisplayText(int n) {
    const bool advanced = lesson_ ? lesson_->Advanced() : true;
    // Without any list the program cannot go on.
    auto panic = [this](const QString& text, const QString& caption) {
        MessageBox(this, text, caption, MB_OK);
        terminateProgram(1);
        displayText.clear();
        drillRunning = 0;
    };
    if (n < 1) {
        panic(QStringLiteral("cannot read data text file"), QStringLiteral("panic-quitting"));
        return;
    }
    RecordFile words;
    bool wordExists = words.open(Locations::dataPath(listFileName(advanced, false, n)), n);

    RecordFile sentences;
    bool limitShown = false;
    QString lastTried;
    const int asked = n;
    for (;;) {
        if (n < 1) {
            panic(QStringLiteral("cannot read sentence file"), lastTried);
            return;
        }
        lastTried = listFileName(advanced, true, n);
        if (sentences.open(Locations::dataPath(lastTried), n)) break;
        if (!limitShown) {
            limitShown = true;
            if (advanced) {
                MessageBox(
                    this,
                    QStringLiteral("Congratulations!  You have reached the level limit of the "
                                   "advanced exercises.  Very few people reach this level. Try "
                                   "decreasing the time delay using the \"Speed\" menu option."),
                    QStringLiteral("Level Limit"), MB_OK);
            } else {
                MessageBox(
                    this,
                    QStringLiteral("Congratulations!  You have reached the level limit of the "
                                   "basic exercises.  Very few people reach this level. "),
                    QStringLiteral("Level Limit"), MB_OK);
                MessageBox(
                    this,
                    QStringLiteral("Try decreasing the time delay using the speed menu option, "
                                   "or why not try the advanced exercises using the "
                                   "\"Options | Advanced\" menu item?"),
                    QStringLiteral("Level Limit"), MB_OK);
            }
        }
        --n;
        targetNo = n;
    }
    // After the level was lowered, the records must come from lists of the new length.
    if (n != asked)
        wordExists = words.open(Locations::dataPath(listFileName(advanced, false, n)), n);
    const qint64 wordSize = wordExists ? words.size() : 0;
    const qint64 sentSize = sentences.size();

    RecordFile* chosen = &sentences;
    if (n < 7) {
        chosen = &words;
    } else if (wordExists && wordSize != 0) {
        const float p = float(sentSize) / float(wordSize + sentSize);
        chosen = FlashLayout::flip(p, randomInt()) ? &sentences : &words;
    }
    const qint64 size = chosen->size();
    const qint64 p = size > 0 ? randomLong() % size : 0;
    const std::optional<QString> record = chosen->recordAt(p);
    // A short or failed read flashes nothing rather than stale text.
    displayText = record.value_or(QString());
    nextTargetNo = n;
}

QSize MyFrameWindow::FlashDims() {
    if (!fontMade_) {
        // The font is made once, from the stored height, by the first measurement.
        fontMade_ = true;
        setFontHeight(Settings::userInt("SizesFontHeight", 20));
    }
    const QFontMetrics fm(flashFont);
    const QString page = QString::fromLatin1(sampleLine).left(lineCharWidth);
    const int w = fm.horizontalAdvance(page);
    const int t = fm.height();
    lineHeight = t;
    return {FlashLayout::flashWidth(w, minFlashWidth),
            FlashLayout::flashHeight(t, nextTargetNo, lineCharWidth)};
}

void MyFrameWindow::setFontHeight(int height) {
    height = std::clamp(height, kMinFontHeight, kMaxFontHeight);
    flashFont = QFont(QStringLiteral("Liberation Serif"));
    flashFont.setBold(true);
    flashFont.setPixelSize(height);
    flashFont.setStyleStrategy(QFont::PreferQuality);
}

QSize MyFrameWindow::WindowDims(int mode, int availableHeight) {
    if (mode == 1) {
        // A resize by the user fits the font, also before the first flash measured it.
        fontMade_ = true;
        const int height =
            std::clamp(FlashLayout::fittedFontHeight(availableHeight, nextTargetNo, lineCharWidth),
                       kMinFontHeight, kMaxFontHeight);
        setFontHeight(height);
        Settings::writeUserInt("SizesFontHeight", height);
    } else if (!fontMade_) {
        fontMade_ = true;
        setFontHeight(Settings::userInt("SizesFontHeight", 20));
    } else if (mode == 2 || mode == 3) {
        const int f = Settings::userInt("SizesFontHeight", 20);
        const int step = FlashLayout::tenthStep(f);
        const int height =
            std::clamp(mode == 2 ? f - step : f + step, kMinFontHeight, kMaxFontHeight);
        setFontHeight(height);
        Settings::writeUserInt("SizesFontHeight", height);
    }
    return FlashDims();
}

void MyFrameWindow::ReSize(int mode, QSize* newSize) {
    const QSize dims = WindowDims(mode, client_->height());
    StretchWindow(dims.width(), dims.height());
    GreenScreenDraw(false, true);
    if (newSize) *newSize = QSize(client_->width(), client_->height() + statusBar()->height());
}

void MyFrameWindow::StretchWindow(int w, int h) {
    sizing = 1;
    if (layout()) layout()->activate();
    const int extraW = width() - client_->width();
    const int extraH = height() - client_->height();
    const QSize target(w + std::max(0, extraW), h + std::max(0, extraH));
    lastOwnSize_ = target;
    resize(target);
    client_->resize(w, h);
    if (layout()) layout()->activate();
    sizing = 0;
    settled_.writeUserInt("SizesScreenWidth", w + 10);
    settled_.writeUserInt("SizesScreenHeight", h + 2 * statusBar()->sizeHint().height());
    ClearDCs(false);
}

void MyFrameWindow::CalculateLineBreaks() {
    SetDisplayText(nextTargetNo);
    if (!drillRunning && displayText.isEmpty() && nextTargetNo < 1) return;
    const QSize dims = FlashDims();
    StretchWindow(dims.width(), dims.height());
    Clear();
    const int limit = int(0.7 * client_->width());
    const QFontMetrics fm(flashFont);
    const FlashLayout::Lines lines =
        FlashLayout::breakLines(displayText, lineCharWidth, limit, [&fm](const QString& s) {
            return QSize(fm.horizontalAdvance(s), fm.height());
        });
    lineBreaks = lines.breaks;
    if (lineBreaks.size() > 19) lineBreaks.resize(19);
    lineBreaks.push_back(-1);
    maxLineWidth = lines.maxLineWidth;
    lineHeight = displayText.isEmpty() ? fm.height() : lines.lineHeight;
}

void MyFrameWindow::drawLines(QPainter& p, bool shadows) {
    p.setFont(flashFont);
    const QFontMetrics fm(flashFont);
    const int x = FlashLayout::textLeft(width(), maxLineWidth);
    if (lineBreaks.empty() || lineBreaks.front() == -1) {
        if (shadows)
            DrawWordGroups(p, x, lineHeight, displayText);
        else
            p.drawText(QPoint(x, lineHeight + fm.ascent()), displayText);
        return;
    }
    int start = 0;
    for (size_t j = 0; j < lineBreaks.size() && lineBreaks[j] != -1; ++j) {
        const int end = lineBreaks[j];
        const QString line = displayText.mid(start, end - start + 1);
        const int y = int(lineHeight * double(j + 1));
        if (shadows)
            DrawWordGroups(p, x, y, line);
        else
            p.drawText(QPoint(x, y + fm.ascent()), line);
        start = end + 1;
    }
}

void MyFrameWindow::DrawIt(int) {
    QImage& target = bitBlit ? backBuffer_ : client_->canvas();
    QPainter p(&target);
    p.setPen(Qt::black);
    drawLines(p, false);
}

void MyFrameWindow::DrawShadows() {
    QPainter p(&client_->canvas());
    drawLines(p, true);
}

void MyFrameWindow::DrawWordGroups(QPainter& p, int x, int y, const QString& text) {
    if (!(options & 256)) return;
    const QColor grey(192, 192, 192);
    p.setPen(QPen(grey, 1));
    p.setBrush(grey);
    const QFontMetrics fm(flashFont);
    const int cx = fm.horizontalAdvance(text);
    const int cy = fm.height();
    const int corner = int(cy * 0.4);
    p.drawRoundedRect(QRect(QPoint(x, y), QPoint(x + cx - 1, y + cy - 1)), corner / 2.0,
                      corner / 2.0);
}

void MyFrameWindow::ReCheckDerivedMenus() {
    showGaugePosition(score.Level());
}

void MyFrameWindow::PageChange(int direction) {
    const int step = FlashLayout::tenthStep(lineCharWidth);
    lineCharWidth += step * direction;
    if (lineCharWidth < 10) {
        MessageBox(this, QStringLiteral("You have reached the minimum page width of 10 characters"),
                   QStringLiteral("Minimum Page Width"), MB_OK);
        lineCharWidth = 10;
        return;
    }
    // Wider pages than the sample line cannot be measured.
    lineCharWidth = std::min(lineCharWidth, 179);
    Settings::writeUserInt("SizeLineCharWidth", lineCharWidth);
    ReSize(0);
}

void MyFrameWindow::CMDrillShadows() {
    toggle(options, 256);
    ReCheckMenu();
    sl();
}

bool MyFrameWindow::sameAnswer(const QString& typed, const QString& flashed) {
    if (typed.size() != flashed.size()) return false;
    auto fold = [](QChar c) {
        return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ? QChar(c.unicode() + 32) : c;
    };
    for (qsizetype i = 0; i < typed.size(); ++i)
        if (fold(typed[i]) != fold(flashed[i])) return false;
    return true;
}

int MyFrameWindow::question() {
    if (options & 1) {
        InputDialog dialog(this, QStringLiteral("Type out the flash text:"),
                           QStringLiteral("Spell It"), QString(), std::max(1, nextTargetNo));
        if (Modal::runModal(dialog) != IDOK) return 0;
        if (sameAnswer(dialog.text(), displayText)) {
            playSound("sound/right.wav");
            return 4;
        }
        playSound("sound/wrong.wav");
        const int answer =
            MessageBox(this, displayText, QStringLiteral("Actually, it was..."), MB_OKCANCEL);
        return answer == IDOK ? 2 : 3;
    }
    {
        YNC ready(this, QStringLiteral("YesNoCancel"),
                  QStringLiteral("Click on \"Yes\" or press the \"Y\" key to display text."),
                  QStringLiteral("Ready?"), 30, 0, 0);
        if (Modal::runModal(ready) == IDCANCEL) return 0;
    }
    YNC shown(
        this, QStringLiteral("YesNoCancel"),
        QStringLiteral("\"%1\".  Did you get it right? (Press the \"Y\" key for yes, \"N\" key "
                       "for no)")
            .arg(displayText),
        QStringLiteral("The flashed text was ..."), 31, 0, 0);
    const int answer = Modal::runModal(shown);
    if (answer == IDYES) return 4;
    if (answer == IDNO) return 2;
    return 0;
}
