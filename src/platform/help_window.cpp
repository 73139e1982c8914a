#include "platform/help_window.h"

#include "platform/locations.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QWindow>
#include <QVBoxLayout>

HelpWindow& HelpWindow::instance() {
    static HelpWindow* window = new HelpWindow; // lives to the end of the run
    return *window;
}

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window), browser_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("SkimSprinter Help"));
    setObjectName(QStringLiteral("keep"));
    resize(560, 480);
    auto* layout = new QVBoxLayout(this);
    auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
    layout->addWidget(contents, 0, Qt::AlignLeft);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(false);
    connect(contents, &QPushButton::clicked, this, [this] { showTopic(-1); });
}

QString HelpWindow::pageFor(int topic) {
    const QString contents = Locations::dataPath(QStringLiteral("help/contents.html"));
    if (topic < 0)
        return contents;
    const QString page = Locations::dataPath(QStringLiteral("help/topic%1.html").arg(topic));
    return QFileInfo::exists(page) ? page : contents;
}

void HelpWindow::showTopic(int topic) {
    page_ = pageFor(topic);
    browser_->setSource(QUrl::fromLocalFile(page_));
    keepAbove(QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                : QApplication::activeWindow());
    show();
    raise();
    activateWindow();
}

void HelpWindow::keepAbove(QWidget* owner) {
    if (owner == this)
        return;
    // Transient for the window that asked: a modal prompt then leaves the help usable,
    // and the window manager keeps the help above it and the workspace beneath it.
    winId();
    QWindow* ownerWindow = nullptr;
    if (owner) {
        owner = owner->window();
        owner->winId();
        ownerWindow = owner->windowHandle();
    }
    windowHandle()->setTransientParent(ownerWindow);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
