#include "platform/modal.h"

#include <QDialog>
#include <QWidget>

namespace {
Modal::Hook g_hook;
}

namespace Modal {

int runModal(QWidget& window) {
    if (g_hook)
        return g_hook(window);
    if (auto* dialog = qobject_cast<QDialog*>(&window))
        return dialog->exec();
    if (auto* modal = dynamic_cast<ModalWindow*>(&window))
        return modal->execModal();
    return 0;
}

void setHook(Hook hook) { g_hook = std::move(hook); }
void clearHook() { g_hook = nullptr; }
Hook currentHook() { return g_hook; }
bool hasHook() { return static_cast<bool>(g_hook); }

} // namespace Modal
