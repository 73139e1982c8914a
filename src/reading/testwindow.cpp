#include "reading/testwindow.h"
#include "reading/reading_list.h"

#include "graph/graphc.h"
#include "graph/stored_results.h"
#include "lesson/lesson.h"
#include "platform/art.h"
#include "platform/desktop.h"
#include "platform/help.h"
#include "platform/menu_table.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "reading/lstdialog.h"
#include "reading/readingpage.h"
#include "reading/scr.h"
#include "shell/globals.h"
#include "shell/settings.h"
#include "shell/sounds.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QShowEvent>
#include <QTimer>

namespace {

constexpr int kLoadTimer = 0;
constexpr int kRedrawTimer = 1;
constexpr int kHintTimer = 2;
constexpr int kHintMs = 30000;
constexpr int kRedrawMs = 50;

// Frame decoration around the client of a top-level window; a window not yet
// shown borrows the decoration of its visible parent frame.
QSize frameExtra(const QWidget* w) {
    for (const QWidget* v = w; v; v = v->parentWidget() ? v->parentWidget()->window() : nullptr) {
        if (v->isVisible()) return v->frameGeometry().size() - v->geometry().size();
    }
    return {0, 0};
}

} // namespace

TestWindow::TestWindow(QWidget* parent, Lesson* lesson, const QString& title, const QString& name,
                       int readingNumber, bool speedTest)
    : SWindow(parent, title, name, new ReadingPage), SpeedTest(speedTest),
      ReadingNumber(readingNumber), lesson_(lesson), page_(static_cast<ReadingPage*>(client())) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFocusPolicy(Qt::StrongFocus);
    win = this;

    const QRect desk = desktopRect();
    int w = Settings::userInt("SpeedTestScreenWidth", 490);
    int h = Settings::userInt(Settings::positionKey(name, "ScreenHeight").toLatin1(), 350);
    // A hand-edited size the screen cannot show falls back to the default.
    if (w < 100 || w > std::max(100, desk.width())) w = 490;
    if (h < 100 || h > std::max(100, desk.height())) h = 350;
    outerSize_ = QSize(w, h);
    resize(w, h);

    for (int id = 0; id < 3; ++id) {
        timers_[id] = new QTimer(this);
        timers_[id]->setSingleShot(true);
        connect(timers_[id], &QTimer::timeout, this, [this, id] { EvTimer(id); });
    }
    page_->onPaintRequest = [this] { Paint(); };
    page_->onResize = [this] { EvSize(); };

    commands.add(CM_STARTGO, [this] { CMStartGo(); });
    commands.add(CM_TIMERHELP, [] { WinHelpTopic(helpfile, 37); });
    commands.add(CM_FONTLARGER, [this] { CMFontLarger(); });
    commands.add(CM_FONTSMALLER, [this] { CMFontSmaller(); });
    commands.add(CM_FONTHELP, [] { WinHelpTopic(helpfile, 38); });
    commands.add(CM_SCROLLVERYSMOOTH, [this] { CMScrollVerySmooth(); });
    commands.add(CM_SCROLLSMOOTH, [this] { CMScrollSmooth(); });
    commands.add(CM_SCROLLMEDIUM, [this] { CMScrollMedium(); });
    commands.add(CM_SCROLLCOURSE, [this] { CMScrollCourse(); });
    commands.add(CM_SCROLLNOW, [this] { CMScrollNow(); });
    commands.add(CM_SCROLLHELP, [] { WinHelpTopic(helpfile, 39); });
    commands.add(CM_PRACTICEREADINGS, [this] { CMPracticeReadings(); });
    commands.add(CM_TEXTFILE, [this] { CMTextFile(); });
    commands.add(CM_PASTETEXT, [this] { CMPasteText(); });
    commands.add(CM_SPEEDRESULTS, [this] { ViewSpeedTestResults(); });
    commands.add(CM_VIEWHELP, [] { WinHelpTopic(helpfile, 40); });
    commands.add(CM_CONTENTS, [this] { CMContents(); });
    commands.add(CM_ABOUT, [] { WinHelpTopic(helpfile, 2); });
}

TestWindow::~TestWindow() {
    for (QTimer* t : timers_)
        t->stop();
    page_->onPaintRequest = nullptr;
    page_->onResize = nullptr;
    delete Box;
    Box = nullptr;
    if (win == this) win = nullptr;
    if (hwin == this) hwin = nullptr;
}

void TestWindow::SetupWindow() {
    SWindow::SetupWindow();
    playSound("sound/ststart.wav");

    const int offset = Box ? Box->Offset : 16;
    Progress = new QProgressBar(page_);
    Progress->setTextVisible(false);
    Progress->setFocusPolicy(Qt::NoFocus);
    Progress->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Opaque, so the bar moving on does not repaint the page beneath it: that
    // would count as a paint request and snap a half-scrolled line back.
    QPalette grey = Progress->palette();
    grey.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    Progress->setPalette(grey);
    Progress->setAutoFillBackground(true);
    Progress->setRange(0, 1);
    Progress->setValue(0);
    Progress->setGeometry(progressRect(offset, width(), true));
    Progress->show();

    hwin = this;
    Menu = new QMenuBar(this);
    layout()->setMenuBar(Menu);
    menu_ = buildMenuBar(Menu, "SPEED", [this](int id) { Command(id); });
    for (QMenu* m : Menu->findChildren<QMenu*>())
        connect(m, &QMenu::aboutToShow, this, [this] { EvCommandEnable(); });
    for (int id = CM_SCROLLCOURSE; id <= CM_SCROLLVERYSMOOTH; ++id)
        if (QAction* a = menuItem(id)) a->setCheckable(true);
    setMenuShortcut(CM_PASTETEXT, QKeySequence(Qt::CTRL | Qt::Key_V));
    QIcon icon = Art::icon(QStringLiteral("APPLICATION"));
    icon.addPixmap(Art::pixmap(QStringLiteral("SMALL"), QSize(16, 16)));
    setWindowIcon(icon);

    if (SpeedTest) {
        removeMenuItem(CM_STARTGO);
        removeMenuItem(CM_PRACTICEREADINGS);
        PracticeEnable = 0;
    } else {
        PracticeEnable = 1;
        StartGoEnable = 1;
    }

    // The stored setting is the item's place in the menu; another value leaves four steps a
    // line, nothing checked.
    static constexpr int kSmoothness[] = {CM_SCROLLVERYSMOOTH, CM_SCROLLSMOOTH, CM_SCROLLMEDIUM,
                                          CM_SCROLLCOURSE};
    const int scroll = Settings::userInt("SpeedTestScroll", 1);
    if (scroll >= 0 && scroll < 4) setSmoothness(kSmoothness[scroll], scroll);

    int fontSize = Settings::userInt("SpeedTestFontSize", 14);
    if (fontSize < TextBox::kMinFontSize || fontSize > TextBox::kMaxFontSize) fontSize = 14;
    if (Box) Box->AlterFont(fontSize);

    startTimer(kLoadTimer, 50);
    startTimer(kHintTimer, kHintMs);
    SetPos();
    setUp_ = true;
    EvCommandEnable();
}

void TestWindow::SetProgress(int value) {
    if (Progress) Progress->setValue(std::clamp(value, Progress->minimum(), Progress->maximum()));
}

void TestWindow::SetProgressMax(int max) {
    if (Progress) Progress->setRange(0, std::max(1, max));
}

QImage& TestWindow::canvas() {
    return page_->canvas();
}

void TestWindow::present(const QRect& rect) {
    page_->present(rect);
}

int TestWindow::outerWidthFor(int clientWidth) const {
    return clientWidth + frameExtra(this).width();
}

void TestWindow::setOuterWidth(int outerWidth) {
    resize(std::max(1, outerWidth - frameExtra(this).width()), height());
    // The box lays out from the canvas at once, so the page follows now.
    if (layout()) layout()->activate();
    page_->fitCanvas();
}

void TestWindow::EvKeyDown(int key, bool) {
    if (key == Qt::Key_Space) return;
    stopTimer(kHintTimer);
    if (Box) Box->LineUp();
}

void TestWindow::Paint() {
    if (PaintLock) return;
    startTimer(kRedrawTimer, kRedrawMs);
}

void TestWindow::CMContents() {
    WinHelpTopic(helpfile, 29);
}

bool TestWindow::CanClose() {
    rememberPlace();
    if (!reported_ && lesson_) {
        reported_ = true;
        lesson_->Completed(SpeedTest ? 4 : 2);
    }
    return true;
}

bool TestWindow::advanced() const {
    return lesson_ && lesson_->Advanced();
}

bool TestWindow::commandEnabled(int id) const {
    switch (id) {
    case CM_TIMERSTART:
        return StartTimerEnable != 0;
    case CM_TIMERSTOP:
        return StopEnable != 0;
    case CM_TIMERPAUSE:
        return PauseEnable != 0;
    case CM_STARTGO:
        return StartGoEnable != 0;
    case CM_PRACTICEREADINGS:
        return PracticeEnable != 0;
    default:
        return true;
    }
}

void TestWindow::Command(int id) {
    if (!commandEnabled(id)) return;
    commands.dispatch(id);
    EvCommandEnable();
}

void TestWindow::EvCommandEnable() {
    for (auto it = menu_.cbegin(); it != menu_.cend(); ++it) {
        const int id = it.key();
        QAction* a = it.value();
        a->setEnabled(commandEnabled(id));
        if (id >= CM_SCROLLCOURSE && id <= CM_SCROLLVERYSMOOTH) a->setChecked(id == ScrollCheck);
    }
}

void TestWindow::startTimer(int id, int ms) {
    timers_[id]->start(ms);
}

void TestWindow::stopTimer(int id) {
    timers_[id]->stop();
}

bool TestWindow::timerActive(int id) const {
    return id >= 0 && id < 3 && timers_[id]->isActive();
}

void TestWindow::EvTimer(int id) {
    if (id < 0 || id > 2) return;
    stopTimer(id);
    switch (id) {
    case kLoadTimer:
        if (ReadingNumber == -2) CMTextFile();
        LoadInitial();
        placeProgress();
        break;
    case kRedrawTimer:
        if (Box) Box->TextAllRedraw(nullptr, 0);
        if (Progress) Progress->repaint();
        PostDraw();
        break;
    case kHintTimer:
        MessageBox(
            this,
            QStringLiteral("Press the down arrow on the keyboard to make this window scroll down."),
            QStringLiteral("Hint"), MB_OK);
        break;
    }
    EvCommandEnable();
}

QRect TestWindow::progressRect(int offset, int width, bool atSetup) {
    const int top = static_cast<int>(0.2 * offset);
    const int height = static_cast<int>(0.6 * offset) - (atSetup ? 0 : top);
    return QRect(offset, top, width - 2 * offset, height);
}

void TestWindow::placeProgress() {
    if (Progress && Box) Progress->setGeometry(progressRect(Box->Offset, page_->width(), false));
}

void TestWindow::EvSize() {
    if (!setUp_ || !Box) return;
    placeProgress();
    if (SizeLock) return;
    Box->NewSize();
    placeProgress();
    const int outerHeight = height() + frameExtra(this).height();
    settled().writeUserInt(Settings::positionKey(positionName(), "ScreenHeight").toLatin1(),
                           outerHeight);
    update();
    page_->update();
}

void TestWindow::CMFontLarger() {
    if (Box) Box->FontLarger();
    placeProgress();
}

void TestWindow::CMFontSmaller() {
    if (Box) Box->FontSmaller();
    placeProgress();
    if (Progress) Progress->repaint();
}

void TestWindow::setSmoothness(int id, int setting) {
    if (Box) {
        switch (id) {
        case CM_SCROLLVERYSMOOTH:
            Box->ScrollVerySmooth();
            break;
        case CM_SCROLLSMOOTH:
            Box->ScrollSmooth();
            break;
        case CM_SCROLLMEDIUM:
            Box->ScrollMedium();
            break;
        default:
            Box->ScrollCourse();
            break;
        }
    }
    ScrollCheck = id;
    Settings::writeUserInt("SpeedTestScroll", setting);
    EvCommandEnable();
}

void TestWindow::CMScrollVerySmooth() {
    setSmoothness(CM_SCROLLVERYSMOOTH, 0);
}
void TestWindow::CMScrollSmooth() {
    setSmoothness(CM_SCROLLSMOOTH, 1);
}
void TestWindow::CMScrollMedium() {
    setSmoothness(CM_SCROLLMEDIUM, 2);
}
void TestWindow::CMScrollCourse() {
    setSmoothness(CM_SCROLLCOURSE, 3);
}

void TestWindow::CMScrollNow() {
    MessageBox(
        this,
        QStringLiteral("To make this window scroll you must press the down arrow on the keyboard."),
        QStringLiteral("How to scroll"), MB_OK);
}

bool TestWindow::chooseTextFile() {
    const std::optional<QString> path = OwnTexts::choosePath(this);
    if (!path) return false;
    // A file that cannot be read is told once and changes nothing.
    std::optional<OwnText> text = OwnTexts::readFile(this, *path);
    if (!text) return false;
    OwnTexts::rememberFolder(*path);
    useOwnText(std::move(*text));
    return true;
}

void TestWindow::useOwnText(OwnText text) {
    rememberPlace();
    setWindowTitle(QStringLiteral("Text File (%1)").arg(text.label));
    LoadFile = text.remembered() ? text.key.path : text.label;
    own_.choose(std::move(text));
    const int shows = own_.shows();
    if (ReadingNumber != -2) {
        // The chosen text is what gets read from now on, in a speed test too.
        ReadingNumber = -1;
        CMStartGo();
    }
    // Not loaded by the start (a speed test times it from its top at the next start): shown now.
    if (own_.shows() == shows && Box) own_.show(*Box, this, false);
}

void TestWindow::rememberPlace() {
    // A speed test always reads the whole text: it has no place to keep.
    if (!SpeedTest && Box) own_.rememberPlace(*Box);
}

bool TestWindow::loadChosenText() {
    if (!Box) return false;
    if (!own_.chosen()) return Box->load(LoadFile);
    own_.show(*Box, this, !SpeedTest);
    return true;
}

void TestWindow::CMTextFile() {
    if (!TerminateTiming()) return;
    chooseTextFile();
}

void TestWindow::CMPasteText() {
    // An empty clipboard leaves a running timing alone.
    std::optional<OwnText> text = OwnTexts::paste(this);
    if (!text || !TerminateTiming()) return;
    useOwnText(std::move(*text));
}

void TestWindow::CMPracticeReadings() {
    if (!TerminateTiming()) return;
    QString line;
    const int chosen =
        LstDialog::choose(this, lesson_, line, QStringLiteral("Choose another reading"));
    if (chosen == 1000) return;
    if (chosen == -2) {
        // "Use Text File": ask for it now rather than reading the old text again.
        const int before = ReadingNumber;
        ReadingNumber = -1;
        if (!chooseTextFile()) ReadingNumber = before;
        return;
    }
    rememberPlace();
    ReadingNumber = chosen;
    own_.clear();
    setWindowTitle(QStringLiteral("Practice Reading (%1)").arg(line));
    CMStartGo();
}

void TestWindow::ViewSpeedTestResults() {
    if (STOK(this))
        runStoredGraph(this, QStringLiteral("SpeedTestScores"), QStringLiteral("SpeedGraph"));
}

void TestWindow::SetLoadFile() {
    const bool advanced = this->advanced();
    if (SpeedTest) {
        if (own_.chosen()) return;
        SpeedTestNumber = Settings::userInt("SpeedTestNumber", 1);
        if (SpeedTestNumber < 1) SpeedTestNumber = 1;
        LoadFile = speedTestFileName(advanced, SpeedTestNumber);
    } else if (ReadingNumber >= 0) {
        LoadFile = practiceReadingFileName(advanced, ReadingNumber);
    }
}

void TestWindow::removeMenuItem(int id) {
    QAction* a = menu_.take(id);
    if (!a) return;
    for (QObject* o : a->associatedObjects())
        if (auto* m = qobject_cast<QMenu*>(o)) m->removeAction(a);
    delete a;
}

void TestWindow::setMenuShortcut(int id, const QKeySequence& keys) {
    if (QAction* a = menuItem(id)) {
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
    }
}

void TestWindow::showEvent(QShowEvent* event) {
    SWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    setFocus();
    // The remembered size is the outer one; the frame is known once shown.
    const QSize extra = frameExtra(this);
    if (!extra.isNull())
        resize(outerSize_.width() - extra.width(), outerSize_.height() - extra.height());
    keepOnScreen();
}

void TestWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    // Alt goes to the menu bar; it never scrolls.
    if ((event->modifiers() & Qt::AltModifier) || key == Qt::Key_Alt || key == Qt::Key_AltGr ||
        key == Qt::Key_Meta) {
        SWindow::keyPressEvent(event);
        return;
    }
    EvKeyDown(key, event->isAutoRepeat());
}

void TestWindow::keyReleaseEvent(QKeyEvent* event) {
    EvKeyUp(event->key(), event->isAutoRepeat());
}

void TestWindow::closeEvent(QCloseEvent* event) {
    if (CanClose())
        event->accept();
    else
        event->ignore();
}
