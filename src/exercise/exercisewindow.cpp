#include "exercise/exercisewindow.h"

#include "exercise/edx.h"
#include "exercise/reveal_pace.h"
#include "lesson/lesson.h"
#include "platform/help.h"
#include "reading/paced_session.h"
#include "reading/pacerdialog.h"
#include "reading/readingpage.h"
#include "shell/globals.h"
#include "shell/settings.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QProgressBar>
#include <QSlider>
#include <QTimer>

namespace {

constexpr int kSliderId = 100;
constexpr int kLayoutTimer = 20;

bool isModifier(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr || key == Qt::Key_CapsLock ||
           key == Qt::Key_NumLock || key == Qt::Key_unknown || key == 0;
}

} // namespace

ExerciseWindow::ExerciseWindow(QWidget* parent, Lesson* lesson, const QString& caption,
                               int readingNumber)
    : TestWindow(parent, lesson, caption, QStringLiteral("Exercise"), readingNumber, false) {
    LoadFile.clear();
    // The reading gets empty lines at its end, so its last lines reach the middle.
    PadText = 1;
    releaseTimer_ = new QTimer(this);
    releaseTimer_->setSingleShot(true);
    connect(releaseTimer_, &QTimer::timeout, this, [this] { settleRelease(); });
    commands.add(CM_PACEDREVEAL, [this] { CMPacedReveal(); });
}

ExerciseWindow::~ExerciseWindow() {
    // Before the box goes with the base window.
    paced_.reset();
    pace_.reset();
}

ExerciseBox* ExerciseWindow::box() const {
    return static_cast<ExerciseBox*>(Box);
}

QRect ExerciseWindow::sliderRect(const QSize& client, int m) {
    const int y = static_cast<int>(client.height() - 0.85 * m);
    return QRect(m, y, client.width() - 2 * m, static_cast<int>(y + 0.7 * m) - y);
}

void ExerciseWindow::SetupWindow() {
    division =
        Division::ClampDivision(Settings::userInt("ExerciseDivision", Division::kDefaultDivision));
    Box = new ExerciseBox(division);
    pace_ = std::make_unique<RevealPace>(*box());
    paced_ = std::make_unique<PacedSession>(*this, *pace_, QStringLiteral("SkimSprinter Exercises"),
                                            QStringLiteral("Paced Reveal"));
    paced_->onEnded = [this] { pacedRevealEnded(); };
    TestWindow::SetupWindow();
    removeMenuItem(CM_PACEDREADING);
    setMenuShortcut(CM_PACEDREVEAL, QKeySequence(Qt::CTRL | Qt::Key_P));
    // No timing in the exercise: the first menu (Timer) goes.
    if (Menu && !Menu->actions().isEmpty()) Menu->removeAction(Menu->actions().first());

    // Opaque like the progress bar: repainting a see-through child repaints the
    // page beneath it, which counts as a paint request and a full redraw 50 ms
    // later, hiding the groups revealed so far.
    slider = new QSlider(Qt::Horizontal, page());
    QPalette grey = slider->palette();
    grey.setColor(QPalette::Window, Box->GreyBrush);
    slider->setPalette(grey);
    slider->setAutoFillBackground(true);
    slider->setObjectName(QStringLiteral("control%1").arg(kSliderId));
    slider->setFocusPolicy(Qt::NoFocus);
    slider->setGeometry(sliderRect(page()->size(), Box->Offset));
    timer20_ = new QTimer(this);
    timer20_->setSingleShot(true);
    connect(timer20_, &QTimer::timeout, this, [this] { EvTimer(kLayoutTimer); });
    timer20_->start(50);
    slider->setRange(Division::kMinDivision, Division::kMaxDivision);
    slider->setPageStep(1);
    slider->setSingleStep(1);
    slider->setTickInterval(1);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setValue(Division::kMaxDivision + 1 - division);
    slider->show();
    // Dragging acts on release; a click on the groove or the wheel ends its move at once.
    connect(slider, &QSlider::sliderReleased, this, [this] { ShadowSliderMove(kEndScroll); });
    connect(slider, &QSlider::valueChanged, this, [this] {
        if (!slider->isSliderDown()) ShadowSliderMove(kEndScroll);
    });
    page()->onResize = [this] { EvSize(); };
    update();
}

void ExerciseWindow::loadReading() {
    SetLoadFile();
    // No file when the user cancelled the choice of an own text file.
    if (!LoadFile.isEmpty()) loadChosenText();
}

void ExerciseWindow::LoadInitial() {
    loadReading();
}

void ExerciseWindow::CMStartGo() {
    loadReading();
}

bool ExerciseWindow::pacing() const {
    return paced_ && paced_->active();
}

void ExerciseWindow::CMPacedReveal() {
    // Nothing loaded (the choice of a file was cancelled): nothing to reveal.
    if (pacing() || Box->DisplayText.isEmpty()) return;
    int target = 0, raise = 0;
    if (!PacerDialog::ask(this, target, raise)) return;
    stopTimer(2);
    // Keys steer the pacer now; a key held before it started reveals nothing more.
    keyHeld = 0;
    captionBeforePacing_ = windowTitle();
    endReached_ = false;
    pace_->restart();
    paced_->start(target, raise);
}

void ExerciseWindow::pacedRevealEnded() {
    setWindowTitle(captionBeforePacing_);
    // At the end of the reading the window closes as it does without the pacer.
    if (endReached_) close();
}

void ExerciseWindow::EvKeyDown(int key, bool autoRepeat) {
    if (pacing()) {
        if (!isModifier(key)) paced_->key(key, autoRepeat);
        return;
    }
    if (autoRepeat || keyHeld != 0 || isModifier(key)) return;
    // Nothing loaded (the choice of a file was cancelled): nothing to reveal or end.
    if (Box->DisplayText.isEmpty()) return;
    keyHeld = key;
    box()->LineUp();
    stopTimer(2);
}

void ExerciseWindow::EvKeyUp(int key, bool autoRepeat) {
    if (pacing()) return;
    if (autoRepeat || key != keyHeld) return;
    keyHeld = 0;
    box()->ScrollIt();
}

void ExerciseWindow::keyPressEvent(QKeyEvent* event) {
    if (releasePending_) {
        if (event->key() == releasedKey_ && event->timestamp() - releasedAt_ <= 2) {
            releasePending_ = false; // the key is still held
            releaseTimer_->stop();
            return;
        }
        settleRelease();
    }
    TestWindow::keyPressEvent(event);
}

void ExerciseWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    settleRelease();
    releasedKey_ = event->key();
    releasedAt_ = event->timestamp();
    releasePending_ = true;
    releaseTimer_->start(kReleaseWaitMs);
}

void ExerciseWindow::focusOutEvent(QFocusEvent* event) {
    TestWindow::focusOutEvent(event);
    // The held key's release will go elsewhere. It is forgotten, not taken as released:
    // nothing moves while the reader looks away, and a finished line moves on at the
    // next release here. A release already seen still counts.
    settleRelease();
    keyHeld = 0;
}

void ExerciseWindow::settleRelease() {
    if (!releasePending_) return;
    releasePending_ = false;
    releaseTimer_->stop();
    EvKeyUp(releasedKey_, false);
}

void ExerciseWindow::ShadowSliderMove(int code) {
    if (code != kEndScroll || !slider) return;
    setFocus();
    box()->TargetNoSet(Division::kMaxDivision + 1 - slider->value());
    division = box()->division;
    Box->TextAllRedraw(nullptr, 0);
    PostDraw();
}

void ExerciseWindow::ShadowSizeResize(const QSize& client) {
    if (slider) slider->setGeometry(sliderRect(client, Box->Offset));
}

void ExerciseWindow::EvSize() {
    ShadowSizeResize(page()->size());
    // Unlike a reload, the reading window's own handling keeps the place in the reading.
    if (!LoadFile.isEmpty()) TestWindow::EvSize();
}

void ExerciseWindow::EvTimer(int id) {
    if (id == kLayoutTimer) {
        timer20_->stop();
        if (Progress) Progress->setGeometry(progressRect(Box->Offset, page()->width(), false));
    }
    TestWindow::EvTimer(id);
}

void ExerciseWindow::PostDraw() {
    if (slider) slider->update();
    // A full drawing hid the current line's groups: those the pace has passed show again now.
    if (pacing()) paced_->pacer().tick();
}

void ExerciseWindow::FinishedScrolling() {
    endReached_ = true;
    // The pacer shows its message first, then closes.
    if (pacing()) {
        pace_->reachedEnd();
        return;
    }
    close();
}

void ExerciseWindow::EvClose() {
    close();
}

void ExerciseWindow::closeEvent(QCloseEvent* event) {
    // Quit, a close or the monitor switching activities while pacing: no message.
    if (pacing()) paced_->abandon();
    TestWindow::closeEvent(event);
}

bool ExerciseWindow::CanClose() {
    // A window closed twice (by the end of the text, then by the monitor) reports once.
    if (!reported_ && lesson()) {
        reported_ = true;
        lesson()->Completed(1);
    }
    return true;
}

void ExerciseWindow::CMContents() {
    WinHelpTopic(helpfile, 47);
}
