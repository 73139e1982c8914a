#include "lesson/lessonmonitor.h"

#include "graph/graphc.h"
#include "graph/stored_results.h"
#include "lesson/activity_factory.h"
#include "platform/art.h"
#include "platform/help.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "platform/profile.h"
#include "platform/terminate.h"
#include "shell/globals.h"
#include "shell/settings.h"
#include "shell/sounds.h"
#include "shell/yesdialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QTimer>

const char* const LessonMonitor::txt[5] = {"Drills", "Exercises", "First Practice Reading",
                                           "Second Practice Reading", "Speed Test"};

namespace {

constexpr int kMinuteTimer = 203;
constexpr int kNextTimer = 1;
constexpr int kDeleteTimer = 2;
constexpr int kIconSide = 28;
constexpr int kChosenLineSize = 236;
constexpr int kCaptionSize = 252;

const char* const kIntroMessages[6] = {
    "SkimSprinter will flash one or more words quickly on the screen.  You must then type out "
    "what was flashed on the screen.  The words will get longer and longer!  Use the\"Start\" "
    "menu item to begin.",
    "You will see a list of exercise readings.  Choose any reading from this list Why not choose "
    "a new reading each time!",
    "Turn the shadows on the screen into words by pressing the \"enter\" key on the keyboard.  "
    "You can set the shadow size with the slider at the bottom of the screen.  Make the shadows "
    "as large as you can!",
    "You will see a list of practice readings.  Choose any reading from this list Variety is "
    "good!",
    "Use the \"Timer\" menu option to begin your practice reading.  You can automatically time "
    "your practice reading if you want to.  Read accurately!",
    "To start the next speed test use the \"Timer\" menu item.  Do not race through the speed "
    "test, you should try to understand everything that you read!",
};

} // namespace

LessonMonitor::LessonMonitor(QWidget* parent, int plan)
    : TemplateDialog(parent, "MONITOR"), lessonPlan(plan) {
    setWindowFlags(Qt::Widget);
    advanced = Settings::userInt("LevelAdvanced", 2);
    const QSize side(kIconSide, kIconSide);
    pointer_ = Art::pixmap(QStringLiteral("POINTER"), side);
    check_ = Art::pixmap(QStringLiteral("CHECK"), side);
    ball_ = Art::pixmap(QStringLiteral("BALL"), side);
    SoundOn = Settings::userInt("Muted", 0) == 0;

    // The labels and the toggle sit in one row below the buttons.
    const int row = height() - 26;
    nameLabel_ = new QLabel(QString::fromStdString(PersonName), this);
    nameLabel_->setGeometry(8, row, 90, 24);
    nameLabel_->setProperty("controlId", 101);
    minutesLabel_ = new QLabel(this);
    minutesLabel_->setGeometry(100, row, 55, 24);
    minutesLabel_->setProperty("controlId", 203);
    modeToggle_ = new QCheckBox(this);
    modeToggle_->setGeometry(158, row + 3, 17, 17);
    modeToggle_->setProperty("controlId", 202);
    modeToggle_->setToolTip(QStringLiteral("Switch between basic and advanced mode"));
    modeLabel_ = new QLabel(this);
    modeLabel_->setGeometry(178, row, width() - 180, 24);
    modeLabel_->setProperty("controlId", 100);
    connect(modeToggle_, &QCheckBox::clicked, this, [this] { commands.dispatch(202); });

    minuteTimer_ = new QTimer(this);
    minuteTimer_->setInterval(60000);
    connect(minuteTimer_, &QTimer::timeout, this, [this] { EvTimer(kMinuteTimer); });
    nextTimer_ = new QTimer(this);
    nextTimer_->setInterval(50);
    nextTimer_->setSingleShot(true);
    connect(nextTimer_, &QTimer::timeout, this, [this] { EvTimer(kNextTimer); });
    deleteTimer_ = new QTimer(this);
    deleteTimer_->setInterval(50);
    deleteTimer_->setSingleShot(true);
    connect(deleteTimer_, &QTimer::timeout, this, [this] { EvTimer(kDeleteTimer); });

    commands.add(100, [this] { CMBDrill(); });
    commands.add(101, [this] { CMBExercise(); });
    commands.add(102, [this] { CMBPReading1(); });
    commands.add(103, [this] { CMBPReading2(); });
    commands.add(104, [this] { CMBSpeedTest(); });
    commands.add(200, [this] { CMGraphDrill(); });
    commands.add(201, [this] { CMGraphSpeed(); });
    commands.add(202, [this] { CMModeToggle(); });
    commands.add(3, [this] { CMCancel(); });
    commands.add(9, [this] { CMHelp(); });
}

LessonMonitor::~LessonMonitor() { deleteActivityWindow(); }

void LessonMonitor::SetupWindow() {
    SetAdvanced(Advanced());
    setWindowTitle(QStringLiteral("SkimSprinter V2.0 Lesson Plan"));
    timesUsed = Settings::userInt("Used", 0);
    if (timesUsed == 0) {
        MessageBox(this,
                   QStringLiteral("Welcome!  You are a new user.  Your progress will be recorded in "
                                  "the database.  Enter the same name next time you use "
                                  "SkimSprinter."),
                   QString::fromStdString(PersonName), MB_OK);
        YesDialog mode(nullptr, "YESNO",
                       QStringLiteral("Do you want to run SkimSprinter in Advanced mode?"),
                       QStringLiteral("Select Mode"), 4, nullptr, 0, false);
        const int answer = Modal::runModal(mode);
        if (answer == IDCANCEL) {
            terminateProgram(0);
            return;
        }
        SetAdvanced(answer == IDYES);
    }
    Settings::writeUserInt("Used", timesUsed + 1);
    if (lessonPlan != 4) {
        autoPrompt = true;
        CMDrill();
        autoPrompt = false;
    }
    minuteTimer_->start();
    minutesLabel_->setText(QStringLiteral("0 min"));
}

int LessonMonitor::NumbDrills() const {
    if (lessonPlan < 0 || lessonPlan > 4)
        return drillTargets[4];
    return drillTargets[lessonPlan];
}

bool LessonMonitor::CountsDrills() const {
    return lessonPlan >= 0 && lessonPlan < 4;
}

void LessonMonitor::SetAdvanced(bool advancedMode) {
    advanced = advancedMode ? 1 : 0;
    Settings::writeUserInt("LevelAdvanced", advanced);
    modeLabel_->setText(advancedMode ? QStringLiteral("Advanced mode")
                                     : QStringLiteral("Basic mode"));
    modeToggle_->setChecked(false);
}

bool LessonMonitor::Mute() const { return !SoundOn; }

void LessonMonitor::MuteToggle() {
    SoundOn = !SoundOn;
    Settings::writeUserString("Muted", SoundOn ? QStringLiteral("0") : QStringLiteral("1"));
}

bool LessonMonitor::LessonFinished() const {
    for (bool done : activityDone)
        if (!done)
            return false;
    return true;
}

bool LessonMonitor::CheckChange(int a) {
    if (autoPrompt && lessonPlan != 4) {
        deleteActivityWindow();
        playSound("sound/next.wav");
        const int answer = MessageBox(
            this,
            QStringLiteral("Time to do the %1, press \"OK\" to continue, or \"cancel\" to skip them.")
                .arg(QString::fromLatin1(txt[a])),
            QStringLiteral("Lesson Prompt"), MB_OKCANCEL);
        if (answer == IDCANCEL) {
            currentActivity = -1;
            repaintRows();
            return true;
        }
        return false;
    }
    if (currentActivity == -1)
        return false;
    if (a == currentActivity) {
        MessageBox(this,
                   QStringLiteral("You are already doing the %1").arg(QString::fromLatin1(txt[a])),
                   QString(), MB_OK);
        return true;
    }
    const int answer = MessageBox(this,
                                  QStringLiteral("Are you sure you want to quit the %1")
                                      .arg(QString::fromLatin1(txt[currentActivity])),
                                  QStringLiteral("Quit?"), MB_YESNO);
    if (answer != IDYES)
        return true;
    if (activityWindow) {
        // Closed while it is still the current activity, so its close query
        // reports against its own row.
        activityWindow->close();
        deleteActivityWindow();
    }
    currentActivity = a;
    return false;
}

void LessonMonitor::introMessage(int number) {
    if (timesUsed < 3)
        MessageBox(this, QString::fromLatin1(kIntroMessages[number - 1]), QString(), MB_OK);
}

void LessonMonitor::CMDrill() {
    playSound("sound/right.wav");
    if (CheckChange(0))
        return;
    currentActivity = 0;
    repaintRows();
    introMessage(1);
    startActivityWindow(0, -1, QStringLiteral("SkimSprinter Drills"));
}

void LessonMonitor::CMExercise() {
    playSound("sound/right.wav");
    // Nothing to ask or explain about a window this build does not have; what runs goes on,
    // and a lesson stops here as after a skipped activity.
    if (!activityFactory().provides(1)) {
        notInThisVersion(1);
        if (autoPrompt) {
            currentActivity = -1;
            repaintRows();
        }
        return;
    }
    if (CheckChange(1))
        return;
    currentActivity = 1;
    repaintRows();
    introMessage(2);
    QString line;
    const int reading =
        activityFactory().chooseReading(this, line, QStringLiteral("Choose Exercise Reading"));
    if (reading == 1000) {
        currentActivity = -1;
        repaintRows();
        return;
    }
    introMessage(3);
    startActivityWindow(1, reading, QStringLiteral("SkimSprinter Exercises"));
}

void LessonMonitor::Reading(int activity) {
    playSound("sound/right.wav");
    if (CheckChange(activity))
        return;
    currentActivity = activity;
    repaintRows();
    introMessage(4);
    QString line;
    const int reading =
        activityFactory().chooseReading(this, line, QStringLiteral("Choose Practice Reading"));
    if (reading == 1000) {
        currentActivity = -1;
        repaintRows();
        return;
    }
    introMessage(5);
    line.truncate(kChosenLineSize - 1);
    const QString caption =
        QStringLiteral("Practice Reading (%1)").arg(line).left(kCaptionSize - 1);
    startActivityWindow(activity, reading, caption);
}

void LessonMonitor::CMSpeedTest() {
    playSound("sound/right.wav");
    if (CheckChange(4))
        return;
    currentActivity = 4;
    repaintRows();
    introMessage(6);
    startActivityWindow(4, -1, QStringLiteral("SkimSprinter Speed Test"));
}

void LessonMonitor::startActivityWindow(int activity, int readingNumber, const QString& caption) {
    // A window closed earlier and not yet deleted goes now.
    deleteActivityWindow();
    QWidget* window = activityFactory().createActivity(activity, this, readingNumber, caption);
    if (!window) {
        notInThisVersion(activity);
        currentActivity = -1;
        repaintRows();
        return;
    }
    activityWindow = window;
    window->show();
}

void LessonMonitor::notInThisVersion(int activity) {
    MessageBox(this,
               QStringLiteral("The %1 are not part of this version of SkimSprinter yet.")
                   .arg(QString::fromLatin1(txt[activity])),
               QString(), MB_OK);
}

void LessonMonitor::CMBDrill() {
    manualStart = true;
    CMDrill();
}

void LessonMonitor::CMBExercise() {
    if (activityFactory().provides(1))
        manualStart = true;
    CMExercise();
}

void LessonMonitor::CMBPReading1() {
    manualStart = true;
    CMPReading1();
}

void LessonMonitor::CMBPReading2() {
    manualStart = true;
    CMPReading2();
}

void LessonMonitor::CMBSpeedTest() {
    manualStart = true;
    CMSpeedTest();
}

void LessonMonitor::Completed(int n) {
    setFocus();
    if (n == 2 && currentActivity == 3)
        n = 3;
    if (n < 0 || n > 4)
        return;
    activityDone[n] = true;
    if (lessonPlan != 4 && !manualStart) {
        currentActivity = n + 1;
        if (currentActivity >= 5) {
            currentActivity = -1;
            repaintRows();
        }
        nextTimer_->start();
    } else {
        currentActivity = -1;
        repaintRows();
        if (!manualStart)
            deleteTimer_->start();
    }
    manualStart = false;
}

void LessonMonitor::EvTimer(int id) {
    if (id == kNextTimer)
        nextTimer_->stop();
    else if (id == kDeleteTimer)
        deleteTimer_->stop();

    if (id == kMinuteTimer) {
        minutesUsed += 1;
        minutesLabel_->setText(QStringLiteral("%1 min").arg(minutesUsed));
    } else if (id == kDeleteTimer) {
        deleteActivityWindow();
    } else if (id == kNextTimer) {
        if (LessonFinished()) {
            repaintRows();
            const int answer = MessageBox(
                this, QStringLiteral("You have finished the Lesson, do you want to leave now?"),
                QStringLiteral("Exit now?"), MB_YESNO);
            if (answer == IDYES) {
                CMCancel();
            } else {
                currentActivity = -1;
                repaintRows();
                lessonPlan = 4;
            }
        }
        repaintRows();
        autoPrompt = true;
        switch (currentActivity) {
        case 1: CMExercise(); break;
        case 2: CMPReading1(); break;
        case 3: CMPReading2(); break;
        case 4: CMSpeedTest(); break;
        default: break;
        }
        autoPrompt = false;
    }
}

bool LessonMonitor::timerActive(int id) const {
    switch (id) {
    case kMinuteTimer: return minuteTimer_->isActive();
    case kNextTimer: return nextTimer_->isActive();
    case kDeleteTimer: return deleteTimer_->isActive();
    default: return false;
    }
}

void LessonMonitor::endActivityWindow() {
    // An open window is closed as the user would close it, so its close query records the
    // activity; one closed already has done so and is only deleted.
    if (activityWindow && activityWindow->isVisible())
        activityWindow->close();
    deleteActivityWindow();
    // The lesson does not move on past the end of the run.
    nextTimer_->stop();
    deleteTimer_->stop();
}

void LessonMonitor::deleteActivityWindow() {
    if (activityWindow) {
        QWidget* window = activityWindow;
        activityWindow = nullptr;
        delete window;
    }
}

void LessonMonitor::CMGraphDrill() {
    playSound("sound/right.wav");
    if (DROK(this))
        runStoredGraph(this, "DrillScores", "DrillPastGraph");
}

void LessonMonitor::CMGraphSpeed() {
    playSound("sound/right.wav");
    if (STOK(this))
        runStoredGraph(this, "SpeedTestScores", "SpeedGraph");
}

void LessonMonitor::CMModeToggle() {
    AdvancedToggle();
    update();
}

void LessonMonitor::CMHelp() {
    playSound("sound/right.wav");
    WinHelpTopic(helpfile, 46);
}

void LessonMonitor::CMCancel() {
    if (lessonPlan != 4 && !LessonFinished()) {
        const int answer = MessageBox(
            this,
            QStringLiteral(
                "You have not finished everything in the lesson, are you sure you want to exit"),
            QStringLiteral("Quit?"), MB_YESNO);
        if (answer != IDYES)
            return;
    }
    endActivityWindow();
    const int total = Settings::userInt("TotalMinutes", 0) + minutesUsed;
    Settings::writeUserInt("TotalMinutes", total);
    QString usage;
    if (timesUsed > 0)
        usage = QString::asprintf("You have used SkimSprinter %i times.  ", timesUsed + 1);
    const QString summary = QString::asprintf(
        "You have used SkimSprinter for %i minutes today.  Total time is %6.2f hours.  %sSee you "
        "soon for more practice!",
        minutesUsed, total / 60.0, usage.toLocal8Bit().constData());
    MessageBox(this, summary, QString(), MB_OK);
    terminateProgram(0);
}

void LessonMonitor::paintEvent(QPaintEvent* event) {
    TemplateDialog::paintEvent(event);
    QPainter p(this);
    for (int i = 0; i < 5; ++i) {
        // Each row's icons sit level with its button, whatever the font makes of the rows.
        int shift = 0;
        if (QWidget* button = control(100 + i))
            shift = button->geometry().center().y() - kIconSide / 2 - markPos(i).y();
        if (i == currentActivity && !pointer_.isNull())
            p.drawPixmap(markerPos(i) + QPoint(0, shift), pointer_);
        const QPixmap& mark = activityDone[i] ? check_ : ball_;
        if (!mark.isNull())
            p.drawPixmap(markPos(i) + QPoint(0, shift), mark);
    }
}
