#pragma once

#include <functional>

class QWidget;

// Every modal dialog, message box, chooser and modal frame window runs through
// runModal, so tests can script the answers with the real dialog objects.
namespace Modal {

// A test hook receives the live window, acts on it (presses a button, types) and
// returns the result the run should report.
using Hook = std::function<int(QWidget& window)>;

int runModal(QWidget& window);

void setHook(Hook hook);
Hook currentHook();
void clearHook();
bool hasHook();

} // namespace Modal

// Frame windows that can be run modally (the yes/no/cancel prompt) implement this.
class ModalWindow {
public:
    virtual ~ModalWindow() = default;
    virtual int execModal() = 0;
    virtual int modalResult() const = 0;
};
