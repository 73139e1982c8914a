#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

ClipboardText clipboardText() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data) return {};
    return {data->hasText() ? data->text() : QString(), data->hasHtml() ? data->html() : QString()};
}
