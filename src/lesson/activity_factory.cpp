#include "lesson/activity_factory.h"

#include "drill/myframewindow.h"
#include "drill/myzwindow.h"
#include "lesson/lessonmonitor.h"
#include "shell/globals.h"

namespace {

// The program's activity windows. The activities this build does not have yet
// get no window; the monitor says so.
class ProgramActivityFactory : public ActivityFactory {
public:
    int chooseReading(LessonMonitor*, QString&, const QString&) override { return 0; }
    bool provides(int activity) const override { return activity != 1; }
    QWidget* createActivity(int activity, LessonMonitor* monitor, int,
                            const QString& caption) override {
        if (activity != 0)
            return nullptr;
        // The flash area first: the drill window takes it as its client.
        Client = new MyZWindow;
        auto* drills = new MyFrameWindow(monitor, caption);
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

void setActivityFactory(ActivityFactory* factory) { g_factory = factory; }
