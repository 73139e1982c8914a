#include "platform/terminate.h"

#include <cstdio>
#include <cstdlib>

namespace {
TerminateAction g_action;
}

void terminateProgram(int status) {
    if (g_action) {
        g_action(status);
        return;
    }
    std::fflush(nullptr);
    std::exit(status);
}

void setTerminateAction(TerminateAction action) { g_action = std::move(action); }
