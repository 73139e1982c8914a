#include "platform/help.h"

#include "platform/help_window.h"

namespace {

class WindowHelpBackend : public HelpBackend {
public:
    void showTopic(int topic) override { HelpWindow::instance().showTopic(topic); }
};

HelpBackend* g_backend = nullptr;

HelpBackend& backend() {
    if (g_backend)
        return *g_backend;
    static WindowHelpBackend real;
    return real;
}

} // namespace

void WinHelpTopic(const char*, int topic) { backend().showTopic(topic); }

void WinHelpContents(const char*) { backend().showTopic(-1); }

void setHelpBackend(HelpBackend* backend) { g_backend = backend; }
