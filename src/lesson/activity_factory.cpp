#include "lesson/activity_factory.h"

#include "platform/message_box.h"

namespace {

// The activities this build does not have yet say so instead of opening.
class ProgramActivityFactory : public ActivityFactory {
public:
    int chooseReading(LessonMonitor*, QString&, const QString&) override { return 0; }
    QWidget* createActivity(int, LessonMonitor*, int, const QString&) override { return nullptr; }
};

ActivityFactory* g_factory = nullptr;

} // namespace

ActivityFactory& activityFactory() {
    static ProgramActivityFactory program;
    return g_factory ? *g_factory : program;
}

void setActivityFactory(ActivityFactory* factory) { g_factory = factory; }
