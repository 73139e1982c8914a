#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

// The in-program help viewer over the HTML pages of the data tree: one page per
// context number (help/topicN.html) and a contents page.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    static HelpWindow& instance();
    void showTopic(int topic);
    // The page shown for a context number: the topic's own page, or the contents.
    static QString pageFor(int topic);
    QString currentPage() const { return page_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    HelpWindow();
    void keepAbove(QWidget* owner);
    QTextBrowser* browser_;
    QString page_;
};
