#pragma once

#include "platform/template_dialog.h"

#include <QFont>

#include <vector>

class Lesson;
class QListWidget;
class QRadioButton;

// The reading list: picks the practice reading to read next from the list of the
// current mode, with how often each was chosen, or the user's own text file.
// Run modally it gives the reading's file number, -2 for "Use Text File" and 1000
// for cancel.
class LstDialog : public TemplateDialog {
    Q_OBJECT
public:
    // chosenLine receives the list line of the chosen reading; it may be null. Without a
    // lesson the mode is read from and written to the settings.
    LstDialog(QWidget* parent, Lesson* lesson, QString* chosenLine, const QString& caption);
    ~LstDialog() override;

    void SetupWindow();
    void LoadUpList();
    void CMOk();
    void CMTextFile();
    void CMHelp();
    void CMCancel();
    void CMMode();

    // False when the list file was missing: the program is ending and the
    // dialog must not be run.
    bool listLoaded() const { return loaded_; }
    QListWidget* list() const { return List; }
    const std::vector<int>& numbers() const { return Numbers; }
    const std::vector<int>& doneCounts() const { return DoneCounts; }

    // Runs the list modally: the chosen reading's number, -2 or 1000.
    static int choose(QWidget* parent, Lesson* lesson, QString& chosenLine, const QString& caption);

    static constexpr int kResultTextFile = -2;
    static constexpr int kResultCancel = 1000;

private:
    bool currentAdvanced() const;
    void setMode(bool advanced);

    QString* ChosenLine;
    std::vector<int> Numbers;
    QListWidget* List;
    QFont ListFont;
    bool WasAdvanced;
    std::vector<int> DoneCounts;
    int ItemCount = 0;
    QString Caption;
    QRadioButton* Advanced;
    QRadioButton* Basic;
    bool loaded_ = false;
    Lesson* lesson_;
};
