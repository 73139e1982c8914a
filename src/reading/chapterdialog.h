#pragma once

#include <QDialog>

#include <optional>

struct Book;
class QTreeWidget;

// "Choose Chapter": a book's chapters in reading order, "%3i   %s" with the title and
// the number of words on the right. OK or a double click reads the chosen one.
class ChapterDialog : public QDialog {
    Q_OBJECT
public:
    ChapterDialog(QWidget* parent, const Book& book);

    QTreeWidget* list() const { return list_; }
    // The chosen chapter (0-based), -1 for none.
    int chosen() const;

    // Runs the dialog; nothing when it was cancelled.
    static std::optional<int> choose(QWidget* parent, const Book& book);

private:
    QTreeWidget* list_;
};
