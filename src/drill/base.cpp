#include "drill/base.h"

#include "drill/flash_layout.h"
#include "drill/mydialog.h"
#include "drill/myzwindow.h"
#include "drill/score.h"
#include "graph/graphc.h"
#include "lesson/lesson.h"
#include "platform/art.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/help.h"
#include "platform/menu_table.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "shell/globals.h"
#include "shell/settings.h"
#include "shell/sounds.h"

#include <QAction>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kFlashTimer = 1;
constexpr int kFirstPreparation = 4;
constexpr int kSecondPreparation = 5;
constexpr QRgb kBlankScreen = 0xFFFFFFFF;

qint64 monotonicMs() {
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

// Hand-edited values are brought into the range the program can work with:
// too small gives the default, too large the largest that works.
int bounded(int value, int low, int high, int fallback) {
    if (value < low) return fallback;
    return std::min(value, high);
}

} // namespace

Base::Base(QWidget* parent, Lesson* lesson, const QString& caption, MyZWindow* client)
    : QMainWindow(parent, Qt::Window), lesson_(lesson), client_(client) {
    setWindowTitle(caption);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    client_->setParent(this);
    setCentralWidget(client_);

    levelGauge_ = new QLabel(this);
    levelGauge_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    levelGauge_->setFixedSize(36, 36);
    levelGauge_->setAlignment(Qt::AlignCenter);
    auto* separator = new QWidget(this);
    separator->setFixedWidth(13);
    levelText_ = new QLabel(this);
    levelText_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    levelText_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    levelText_->setMinimumWidth(levelText_->fontMetrics().averageCharWidth() * 8);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(levelGauge_);
    statusBar()->addWidget(separator);
    statusBar()->addWidget(levelText_, 1);
    drillCount_ = new QLabel(this);
    drillCount_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    drillCount_->setAlignment(Qt::AlignCenter);
    drillCount_->setMinimumWidth(drillCount_->fontMetrics().horizontalAdvance("999 of 999") + 8);
    statusBar()->addPermanentWidget(drillCount_);
    showGaugePosition(5);
    showDrillCount();

    auto oneShot = [this](int id) {
        auto* t = new QTimer(this);
        t->setSingleShot(true);
        t->setTimerType(Qt::PreciseTimer);
        connect(t, &QTimer::timeout, this, [this, id] { EvTimer(id); });
        return t;
    };
    timer1_ = oneShot(kFlashTimer);
    timer4_ = oneShot(kFirstPreparation);
    timer5_ = oneShot(kSecondPreparation);

    commands.add(48, [this] { Drills(); });
    commands.add(49, [this] { CMDrillResults(); });
    commands.add(50, [this] { CMPastDrillResults(); });
    commands.add(38, [this] { CMQuit(); });
    commands.add(35, [] { WinHelpTopic(helpfile, 27); });
    commands.add(25, [this] { CMAutoLevel(); });
    commands.add(27, [this] { CMLevelVariety(); });
    commands.add(46, [this] { CustomLevel(); });
    commands.add(2, [this] { PlusN(1); });
    commands.add(3, [this] { PlusN(2); });
    commands.add(4, [this] { PlusN(5); });
    commands.add(5, [this] { PlusN(10); });
    commands.add(6, [this] { MinusN(1); });
    commands.add(7, [this] { MinusN(2); });
    commands.add(8, [this] { MinusN(5); });
    commands.add(9, [this] { MinusN(10); });
    commands.add(34, [] { WinHelpTopic(helpfile, 18); });
    commands.add(10, [this] { SetSpeed(60); });
    commands.add(11, [this] { SetSpeed(45); });
    commands.add(12, [this] { SetSpeed(35); });
    commands.add(13, [this] { SetSpeed(25); });
    commands.add(14, [this] { Custom(); });
    commands.add(33, [] { WinHelpTopic(helpfile, 19); });
    commands.add(15, [this] { L1(); });
    commands.add(39, [this] { L8(); });
    commands.add(32, [] { WinHelpTopic(helpfile, 21); });
    commands.add(31, [] { WinHelpContents(helpfile); });
    commands.add(53, [] { WinHelpTopic(helpfile, 16); });
    commands.add(36, [] { WinHelpTopic(helpfile, 10); });
    commands.add(30, [] { WinHelpTopic(helpfile, 2); });
    commands.add(24, [this] { ScreenUpdate(); });
}

Base::~Base() {
    timer1_->stop();
    timer4_->stop();
    timer5_->stop();
    delete drillGraph;
    drillGraph = nullptr;
    if (Word == this) Word = nullptr;
    if (Client == client_) Client = nullptr;
}

void Base::Create() {
    if (created_) return;
    created_ = true;
    SetupWindow();
}

void Base::SetupWindow() {
    preparationMs = bounded(Settings::userInt("TimesPreparationTimeMs", 500), 0, 10000, 500);
    displayMs = bounded(Settings::userInt("TimesDisplayTimeMs", 25), 5, 1000, 25);
    bitBlit = Settings::userInt("OtherBitBlit", 0) != 0 ? 1 : 0;
    targetNo = bounded(Settings::userInt("OtherTargetNo", 2), 1, 1000, 2);
    autoLevel = Settings::userInt("OtherAutoLevel", 1) != 0 ? 1 : 0;
    levelVariety = Settings::userInt("OtherLevelVariety", 0) != 0 ? 1 : 0;
    lineCharWidth = bounded(Settings::userInt("SizeLineCharWidth", 20), 10, 179, 20);
    options = Settings::userInt("OtherLevel", 3) & 0xFFFF;
    seedRandom(static_cast<unsigned>(QDateTime::currentSecsSinceEpoch()));
    ShowScore();
    sizing = 1;
    menu_ = buildMenuBar(menuBar(), "MENU_WORDS", [this](int id) { Command(id); });
    ReCheckMenu();
    ClearDCs(true);
    sizing = 0;
    windowX = frameGeometry().x();
    windowY = frameGeometry().y();
}

void Base::startTimer(int id, int ms) {
    QTimer* t = id == kFlashTimer ? timer1_ : id == kFirstPreparation ? timer4_ : timer5_;
    t->start(std::max(0, ms));
}

bool Base::timerActive(int id) const {
    switch (id) {
    case kFlashTimer:
        return timer1_->isActive();
    case kFirstPreparation:
        return timer4_->isActive();
    case kSecondPreparation:
        return timer5_->isActive();
    default:
        return false;
    }
}

void Base::EvTimer(int id) {
    switch (id) {
    case kFlashTimer:
        timer1_->stop();
        FinishOff();
        break;
    case kFirstPreparation:
        timer4_->stop();
        GettingClose();
        break;
    case kSecondPreparation:
        timer5_->stop();
        DrawItems2();
        break;
    default:
        break;
    }
}

void Base::setMenusEnabled(bool enabled) {
    for (QAction* popup : menuBar()->actions())
        popup->setEnabled(enabled);
    menuBar()->update();
}

void Base::Drills() {
    setMenusEnabled(false);
    drillRunning = 1;
    showDrillCount();
    PrepareDrill();
}

void Base::PrepareDrill() {
    CalculateNextTargetNo();
    CalculateLineBreaks();
    if (!drillRunning) return; // the text could not be read and the run is ending
    CrossHairs(0);
    DrawShadows();
    client_->present();
    startTimer(kFirstPreparation, preparationMs);
}

void Base::GettingClose() {
    if (options & 256) Clear();
    CrossHairs(1);
    client_->present();
    startTimer(kSecondPreparation, preparationMs);
}

void Base::DrawItems2() {
    if (bitBlit) {
        ClearDraw();
        DrawIt(nextTargetNo);
        DrawToScreen();
    } else {
        DrawIt(nextTargetNo);
    }
    client_->present();
    shownAt = monotonicMs();
    startTimer(kFlashTimer, displayMs);
}

void Base::FinishOff() {
    if (bitBlit)
        Clear();
    else
        UnDrawItems();
    client_->present();
    blankedAt = monotonicMs();
    const int answer = question();
    if (answer == 0) {
        ExercisesFinish();
        return;
    }
    if (answer == 4)
        score.right();
    else
        score.wrong();
    ShowScore();
    showDrillCount();
    if (answer == 3) {
        ExercisesFinish();
        return;
    }
    if (lesson_ && score.FinishTries() >= lesson_->NumbDrills()) {
        score.FinishTriesZero();
        MyPlaySound("sound/next.wav", nullptr, SND_SYNC | SND_FILENAME);
        const int leave =
            MessageBox(this,
                       QStringLiteral("Well done, you have finished your drills for "
                                      "today.  Do you want to leave the drills?"),
                       QStringLiteral("Exercises done"), MB_YESNO | MB_ICONEXCLAMATION);
        if (leave == IDYES) {
            CMQuit();
            return;
        }
    }
    Drills();
}

void Base::showDrillCount() {
    // Only a structured lesson asks for a number of answers.
    const bool counted = lesson_ && lesson_->CountsDrills();
    drillCount_->setVisible(counted);
    if (counted)
        drillCount_->setText(
            QStringLiteral("%1 of %2").arg(score.FinishTries()).arg(lesson_->NumbDrills()));
}

void Base::ExercisesFinish() {
    setMenusEnabled(true);
    score.Reset();
    showGaugePosition(score.Level());
    GreenScreenDraw(false, false);
    drillRunning = 0;
}

void Base::CalculateNextTargetNo() {
    if (!levelVariety)
        nextTargetNo = targetNo;
    else
        nextTargetNo = FlashLayout::varietyLength(targetNo, randomInt());
}

void Base::CrossHairs(int second) {
    QImage& canvas = client_->canvas();
    const QSize size = logicalSize(canvas);
    const FlashLayout::CrossHairs c =
        FlashLayout::crossHairs(size.width(), size.height(), second != 0);
    QPainter p(&canvas);
    p.setPen(QPen(c.colour, c.penWidth, Qt::SolidLine, Qt::FlatCap));
    for (const QLine& line : c.lines)
        p.drawLine(line);
}

void Base::GreenScreenDraw(bool fromPaint, bool noSound) {
    QImage& canvas = client_->canvas();
    {
        QPainter p(&canvas);
        // The picture is drawn for the canvas's own pixels, stretched to fill it.
        if (titleImage_.size() != canvas.size())
            titleImage_ = Art::image(QStringLiteral("TITLE"), logicalSize(canvas),
                                     canvasRatio(canvas.devicePixelRatio()));
        if (!titleImage_.isNull())
            p.drawImage(logicalRect(canvas), titleImage_);
        else
            p.fillRect(logicalRect(canvas), QColor(0, 96, 64));
    }
    client_->present();
    bool play = !fromPaint || GreenFirstPaint;
    if (noSound) play = false;
    if (play) {
        playSound("sound/green.wav");
        GreenFirstPaint = false;
    }
}

void Base::ShowScore() {
    if (!autoLevel) return;
    int change = 0;
    int amount = 0;
    QString text;
    score.ShowScore(targetNo, change, amount, text);
    if (change != 0 && graphOpen && drillGraph) {
        drillGraph->Populate(score.LevelHistory(), score.LevelsChangedVal());
        drillGraph->update();
    }
    if (change != 0) GreenScreenDraw(false, true);
    if (change == 1) {
        targetNo -= amount;
        SaveTarget();
        static const char* const down[] = {"sound/lvdown1.wav", "sound/lvdown2.wav",
                                           "sound/lvdown3.wav"};
        playSound(down[std::clamp(amount, 1, 3) - 1]);
        const bool first = FlashLayout::flip(0.5f, randomInt());
        MyDialog d(this, "LEVEL", first ? QStringLiteral("DO_1") : QStringLiteral("DO_2"), text,
                   QStringLiteral("Bad Luck!"), 33);
        Modal::runModal(d);
    } else if (change == 2) {
        static const char* const up[] = {"sound/lvup1.wav", "sound/lvup2.wav", "sound/lvup3.wav"};
        playSound(up[std::clamp(amount, 1, 3) - 1]);
        const bool first = FlashLayout::flip(0.5f, randomInt());
        {
            MyDialog d(this, "LEVEL", first ? QStringLiteral("UP_1") : QStringLiteral("UP_2"), text,
                       QStringLiteral("Well done!"), 34);
            Modal::runModal(d);
        }
        if (!graphOffered && !graphOpen) {
            graphOffered = true;
            MessageBox(this,
                       QStringLiteral("SkimSprinter is going to display a graph of your level, you "
                                      "can leave this graph on the screen to watch your progress"),
                       QStringLiteral("Your Progress graph"), MB_OK);
            CMDrillResults();
            MessageBox(this, QStringLiteral("Press \"OK\" to continue the exercises"), QString(),
                       MB_OK);
        }
        targetNo += amount;
        SaveTarget();
    }
    if (change != 0) ReSize(0);
    showGaugePosition(score.Level());
    levelText_->setText(targetNo == 1 ? QStringLiteral("One letter.")
                                      : QStringLiteral("Level=%1 (letters).").arg(targetNo));
}

void Base::SaveTarget() {
    Settings::writeUserInt("OtherTargetNo", targetNo);
    ReSize(0);
}

void Base::setGauge(int image) {
    gaugeImage_ = std::clamp(image, 0, 17);
    static QImage strip;
    const int r = Art::screenRatio();
    if (strip.isNull() || strip.height() != 32 * r)
        strip = Art::image(QStringLiteral("LEVEL"), QSize(576, 32), r);
    if (!strip.isNull()) {
        QImage cell = strip.copy(gaugeImage_ * 32 * r, 0, 32 * r, 32 * r);
        cell.setDevicePixelRatio(r);
        levelGauge_->setPixmap(QPixmap::fromImage(cell));
    }
}

void Base::showGaugePosition(int position) {
    setGauge(9 * ((lesson_ && lesson_->Advanced()) ? 1 : 0) + position);
}

void Base::Clear() {
    QImage& canvas = client_->canvas();
    QPainter p(&canvas);
    p.drawImage(0, 0, blankBitmap_);
}

void Base::ClearDraw() {
    QPainter p(&backBuffer_);
    p.drawImage(0, 0, blankBitmap_);
}

void Base::DrawToScreen() {
    QImage& canvas = client_->canvas();
    QPainter p(&canvas);
    p.drawImage(0, 0, backBuffer_);
}

void Base::ClearDCs(bool) {
    client_->fitCanvas();
    // Of the canvas's own pixels, so both cover it exactly.
    const QImage& canvas = client_->canvas();
    blankBitmap_ = QImage(canvas.size(), QImage::Format_RGB32);
    blankBitmap_.setDevicePixelRatio(canvas.devicePixelRatio());
    blankBitmap_.fill(kBlankScreen);
    backBuffer_ = blankBitmap_.copy();
}

void Base::CMQuit() {
    close();
}

bool Base::CanClose() {
    timer1_->stop();
    timer4_->stop();
    timer5_->stop();
    // A close of a window already closed (hidden, waiting to be deleted) records nothing twice.
    if (closed_) return true;
    closed_ = true;
    // The graph of the current drills belongs to this window's drills.
    delete drillGraph;
    drillGraph = nullptr;
    if (score.LevelsChangedVal() > 0) {
        const QString old = Settings::userString("DrillScores", "", 2000);
        const std::optional<QString> next = Score::appendDrillScore(old, targetNo);
        if (next)
            Settings::writeUserString("DrillScores", *next);
        else
            MessageBox(this,
                       QStringLiteral("Cannot save drill results (too many to save), log  in next "
                                      "time and using a different profile name"),
                       QString(), MB_OK);
    }
    // One line in each score file for every drill window closed.
    score.SaveScore(targetNo);
    if (lesson_) lesson_->Completed(0);
    return true;
}

void Base::closeEvent(QCloseEvent* event) {
    if (CanClose())
        event->accept();
    else
        event->ignore();
}

void Base::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (created_) EvMove();
}

void Base::EvMove() {
    // Showing up where the window was put is not a move of the user's.
    if (frameGeometry().x() == windowX && frameGeometry().y() == windowY) return;
    windowX = frameGeometry().x();
    windowY = frameGeometry().y();
    settled_.writeUserInt("SizesScreenX", windowX);
    settled_.writeUserInt("SizesScreenY", windowY);
}

void Base::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!created_ || !shownOnce_) return;
    EvSize(isMinimized(), size());
}

void Base::EvSize(bool minimized, QSize newSize) {
    if (minimized) {
        sizeEventsToSkip = 1;
        return;
    }
    // The program's own resizes (and the one that restores a minimised window)
    // are not the user's.
    if (sizing || newSize == lastOwnSize_) {
        return;
    }
    if (sizeEventsToSkip > 0) {
        --sizeEventsToSkip;
        return;
    }
    ReSize(1);
    GreenScreenDraw(false, true);
}

void Base::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    settled_.flush();
}

void Base::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    // A window larger than the room below its place moves up rather than off the screen.
    const QPoint corner = onScreenTopLeft(*this);
    if (corner != frameGeometry().topLeft()) move(corner);
    sizeEventsToSkip = 0;
    lastOwnSize_ = size();
    ClearDCs(false);
    GreenScreenDraw(true, false);
}
