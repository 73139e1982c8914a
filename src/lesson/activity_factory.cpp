#include "lesson/activity_factory.h"

#include "drill/myframewindow.h"
#include "drill/myzwindow.h"
#include "exercise/exercisewindow.h"
#include "lesson/lessonmonitor.h"
#include "reading/lstdialog.h"
#include "reading/speedtestwindow.h"
#include "shell/globals.h"

namespace {

// The program's activity windows, and the reading list before a reading.
class ProgramActivityFactory : public ActivityFactory {
public:
    int chooseReading(LessonMonitor* monitor, QString& chosenLine,
                      const QString& caption) override {
        return LstDialog::choose(monitor, monitor, chosenLine, caption);
    }
    QWidget* createActivity(int activity, LessonMonitor* monitor, int readingNumber,
                            const QString& caption) override {
        if (activity == 1) {
            auto* exercise = new ExerciseWindow(monitor, monitor, caption, readingNumber);
            exercise->Create();
            return exercise;
        }
        if (activity >= 2 && activity <= 4) {
            const bool speedTest = activity == 4;
            auto* reading = new SpeedTestWindow(monitor, monitor, caption,
                                                speedTest ? QStringLiteral("SpeedTest")
                                                          : QStringLiteral("Readings"),
                                                speedTest ? -1 : readingNumber, speedTest);
            reading->Create();
            return reading;
        }
        if (activity != 0) return nullptr;
        // The flash area first: the drill window takes it as its client.
        Client = new MyZWindow;
        auto* drills = new MyFrameWindow(monitor, monitor, caption);
        Word = drills;
        drills->Create();
        return drills;
    }
};

ActivityFactory* g_factory = nullptr;

} // namespace

ActivityFactory& activityFactory() {
    static ProgramActivityFactory program;
    return g_factory ? *g_factory : program;
}

void setActivityFactory(ActivityFactory* factory) {
    g_factory = factory;
}
