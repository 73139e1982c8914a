#pragma once

#include <functional>

// Ends the process with a status. Tests replace the action to record the status
// instead; callers therefore return at once after calling it.
void terminateProgram(int status);

using TerminateAction = std::function<void(int status)>;
void setTerminateAction(TerminateAction action); // empty restores exiting
