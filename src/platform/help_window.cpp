#include "platform/help_window.h"

#include "platform/locations.h"

#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
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
    show();
    raise();
    activateWindow();
}
