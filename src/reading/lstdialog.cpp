#include "reading/lstdialog.h"

#include "lesson/lesson.h"
#include "platform/help.h"
#include "platform/locations.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "platform/terminate.h"
#include "reading/reading_list.h"
#include "shell/globals.h"
#include "shell/settings.h"
#include "shell/sounds.h"

#include <QFile>
#include <QListWidget>
#include <QRadioButton>

namespace {

constexpr int kListId = 50;
constexpr int kBasicId = 51;
constexpr int kTextFileId = 52;
constexpr int kAdvancedId = 53;
constexpr int kHelpTopic = 29;
constexpr qint64 kMaxListFileBytes = 4 << 20;

const char* doneKey(bool advanced) {
    return advanced ? "ReadingsDoneAdvanced" : "ReadingsDoneBasic";
}

} // namespace

LstDialog::LstDialog(QWidget* parent, Lesson* lesson, QString* chosenLine, const QString& caption)
    : TemplateDialog(parent, "READINGS"), ChosenLine(chosenLine), Caption(caption),
      lesson_(lesson) {
    WasAdvanced = currentAdvanced();
    List = qobject_cast<QListWidget*>(control(kListId));
    Basic = qobject_cast<QRadioButton*>(control(kBasicId));
    Advanced = qobject_cast<QRadioButton*>(control(kAdvancedId));
    Q_ASSERT(List && Basic && Advanced);
    ListFont = QFont(mappedFamily("Arial"));
    ListFont.setPixelSize(12);
    List->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(List, &QListWidget::itemDoubleClicked, this, [this] { commands.dispatch(1); });

    commands.add(1, [this] { CMOk(); });
    commands.add(2, [this] { CMCancel(); });
    commands.add(9, [this] { CMHelp(); });
    commands.add(kTextFileId, [this] { CMTextFile(); });
    commands.add(kBasicId, [this] { CMMode(); });
    commands.add(kAdvancedId, [this] { CMMode(); });
    SetupWindow();
}

LstDialog::~LstDialog() = default;

bool LstDialog::currentAdvanced() const {
    if (lesson_) return lesson_->Advanced();
    return Settings::userInt("LevelAdvanced", 2) != 0;
}

void LstDialog::setMode(bool advanced) {
    if (lesson_)
        lesson_->SetAdvanced(advanced);
    else
        Settings::writeUserInt("LevelAdvanced", advanced ? 1 : 0);
}

void LstDialog::SetupWindow() {
    List->setFont(ListFont);
    LoadUpList();
    setWindowTitle(Caption);
}

void LstDialog::LoadUpList() {
    const bool advanced = currentAdvanced();
    List->clear();
    Numbers.clear();
    DoneCounts.clear();
    ItemCount = 0;
    (advanced ? Advanced : Basic)->setChecked(true);

    QFile file(Locations::dataPath(readingListFileName(advanced)));
    if (!file.open(QIODevice::ReadOnly)) {
        loaded_ = false;
        MessageBox(this,
                   QStringLiteral("practice text list file missing ... reinstall product ... "
                                  "exiting"),
                   QString(), MB_OK);
        terminateProgram(1);
        return;
    }
    loaded_ = true;
    // A list of 100 entries is a few kilobytes; a runaway file is not read whole.
    const std::vector<ReadingEntry> entries = parseReadingList(file.read(kMaxListFileBytes));
    ItemCount = int(entries.size());
    DoneCounts =
        parseDoneCounts(Settings::userString(doneKey(advanced), "", kDoneTextSize), ItemCount);
    for (int i = 0; i < ItemCount; ++i) {
        List->addItem(readingListLine(DoneCounts[size_t(i)], entries[size_t(i)].title));
        Numbers.push_back(entries[size_t(i)].number);
    }
    const int best = leastReadIndex(DoneCounts);
    if (best < 0) return;
    // The least-read reading, with a few rows above it in view.
    List->scrollToItem(List->item(listTopIndex(best)), QAbstractItemView::PositionAtTop);
    List->setFocus();
    List->setCurrentRow(best);
}

void LstDialog::CMOk() {
    playSound("sound/right.wav");
    const int row = List->currentRow();
    if (row < 0 || row >= ItemCount || !List->item(row)->isSelected()) {
        done(kResultCancel);
        return;
    }
    const bool advanced = currentAdvanced();
    if (advanced != WasAdvanced) {
        if (advanced)
            MessageBox(this,
                       QStringLiteral(
                           "SkimSprinter will now run in advanced mode.  This includes the "
                           "exercises.  Use the \"options | advanced\" menu item in the "
                           "SkimSprinter main window if you want to change back to basic mode."),
                       QStringLiteral("Advanced Reading Selected"), MB_OK);
        else
            MessageBox(
                this,
                QStringLiteral("SkimSprinter will now run in basic mode.  This includes the "
                               "exercises.  Use the \"options | advanced\" menu item in the "
                               "SkimSprinter main window if you want to change back to advanced "
                               "mode."),
                QStringLiteral("Basic-Mode Reading Selected"), MB_OK);
    }
    if (ChosenLine) *ChosenLine = List->item(row)->text();
    DoneCounts[size_t(row)] = std::min(DoneCounts[size_t(row)] + 1, kMaxDoneCount);
    Settings::writeUserString(doneKey(advanced), doneCountsText(DoneCounts));
    done(Numbers[size_t(row)]);
}

void LstDialog::CMTextFile() {
    playSound("sound/right.wav");
    done(kResultTextFile);
}

void LstDialog::CMHelp() {
    playSound("sound/right.wav");
    WinHelpTopic(helpfile, kHelpTopic);
}

void LstDialog::CMCancel() {
    playSound("sound/wrong.wav");
    done(kResultCancel);
}

void LstDialog::CMMode() {
    // The mode changes at once, whether or not the choice is then confirmed.
    setMode(Advanced->isChecked());
    LoadUpList();
}

int LstDialog::choose(QWidget* parent, Lesson* lesson, QString& chosenLine,
                      const QString& caption) {
    LstDialog dialog(parent, lesson, &chosenLine, caption);
    if (!dialog.listLoaded()) return kResultCancel;
    return Modal::runModal(dialog);
}
