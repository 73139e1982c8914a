#include "reading/reading_fixture.h"

#include "reading/lstdialog.h"
#include "reading/reading_list.h"

#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>

namespace {

QByteArray listOf(int entries, int firstNumber) {
    QByteArray text;
    for (int i = 0; i < entries; ++i)
        text += "Reading " + QByteArray::number(i + 1) + "\r\n" +
                QByteArray::number(firstNumber + i) + "\r\n";
    return text;
}

} // namespace

TEST(ReadingListFile, EntriesDoneCountsAndWhatBadFilesGive) {
    const std::pair<QByteArray, std::vector<int>> cases[] = {
        {"A\r\n3\rB\n7\n", {3, 7}},                // CR LF and lone CR
        {"A\n1\nB\n2", {1, 2}},                    // number without line end
        {"A\n-2\nB\n1000\nC\n  12 extra\n", {12}}, // no file for -2 or 1000
    };
    for (const auto& [content, want] : cases) {
        std::vector<int> numbers;
        for (const auto& e : parseReadingList(content))
            numbers.push_back(e.number);
        EXPECT_EQ(numbers, want) << content.toStdString();
    }
    EXPECT_EQ(parseReadingList(listOf(150, 1)).size(), 100u);
    EXPECT_EQ(parseReadingList(QByteArray(400, 'T') + "\n4\n").front().title.size(), 298);
    const std::pair<const char*, std::vector<int>> counts[] = {
        {"", {0, 0, 0, 0}},
        {"x y -5 99999999999", {0, 0, 0, kMaxDoneCount}},
    };
    for (const auto& [stored, want] : counts)
        EXPECT_EQ(parseDoneCounts(stored, 4), want) << stored;
}

class ReadingList : public ReadingTest {
protected:
    ReadingList() {
        reading("pr_bas.dat", "Bees\n11\nBridges\n12\nWriting\n13\n");
        reading("pr_adv.dat", listOf(30, 40));
        put("Ann", "LevelAdvanced", "0");
        mon = new LessonMonitor(nullptr, 4); // deleted with the other windows
    }
    QRadioButton* radio(LstDialog& d, int id) { return qobject_cast<QRadioButton*>(d.control(id)); }

    QString line;
};

TEST_F(ReadingList, ShowsDoneCountsSelectsTheLeastReadAndStoresTheChoice) {
    put("Ann", "ReadingsDoneBasic", "2 0 1 ");
    LstDialog d(mon, mon, &line, "Choose Practice Reading");
    QStringList rows;
    for (int i = 0; i < d.list()->count(); ++i)
        rows << d.list()->item(i)->text();
    EXPECT_EQ(rows, (QStringList{"  2   Bees", "  0   Bridges", "  1   Writing"}));
    EXPECT_TRUE(d.list()->currentRow() == 1 && radio(d, 51)->isChecked());

    emit d.list()->itemDoubleClicked(d.list()->item(1));
    EXPECT_TRUE(d.result() == 12 && line == "  0   Bridges");
    EXPECT_EQ(rawSetting(state, "ReadingsDoneBasic"), "2 1 1 ");
    EXPECT_EQ(sounds.played, QStringList{"sound/right.wav"});
}

TEST_F(ReadingList, SwitchingModeRefillsAndOkSaysSo) {
    for (bool toAdvanced : {true, false}) {
        mon->SetAdvanced(!toAdvanced);
        LstDialog d(mon, mon, &line, "Choose Practice Reading");
        radio(d, toAdvanced ? 53 : 51)->click();
        EXPECT_EQ(mon->Advanced(), toAdvanced);
        EXPECT_EQ(d.list()->count(), toAdvanced ? 30 : 3);
        script.answer(toAdvanced ? "Advanced Reading Selected" : "Basic-Mode Reading Selected",
                      toAdvanced ? "will now run in advanced mode." : "will now run in basic mode.", IDOK);
        d.sendCommand(1);
        EXPECT_EQ(d.result(), toAdvanced ? 40 : 11);
    }
    EXPECT_EQ(rawSetting(state, "ReadingsDoneAdvanced"), "1 " + QString("0 ").repeated(29));
    EXPECT_EQ(rawSetting(state, "ReadingsDoneBasic"), "1 0 0 ");
}

TEST_F(ReadingList, OtherButtonsAndTheirResults) {
    // Command, result (0: the dialog stays open), sound; OK is pressed with nothing selected.
    const std::tuple<int, int, const char*> cases[] = {
        {52, -2, "right"}, {2, 1000, "wrong"}, {1, 1000, "right"}, {9, 0, "right"}};
    for (const auto& [command, result, sound] : cases) {
        SCOPED_TRACE(command);
        sounds.played.clear();
        QString chosen = "untouched";
        LstDialog d(mon, mon, &chosen, "Choose Practice Reading");
        d.show();
        radio(d, 53)->click(); // a mode switch stays in force whatever ends the dialog
        d.list()->clearSelection();
        d.sendCommand(command);
        EXPECT_EQ(d.isVisible(), result == 0);
        EXPECT_EQ(result ? d.result() : 0, result);
        EXPECT_EQ(sounds.played, QStringList{QString("sound/%1.wav").arg(sound)});
        EXPECT_TRUE(chosen == "untouched" && mon->Advanced());
        EXPECT_EQ(ini("Ann", "ReadingsDoneAdvanced"), "<none>");
        mon->SetAdvanced(false);
    }
}
