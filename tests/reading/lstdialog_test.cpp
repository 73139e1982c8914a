#include "support/shell_fixture.h"

#include "lesson/lessonmonitor.h"
#include "platform/locations.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "reading/lstdialog.h"
#include "reading/reading_list.h"
#include "shell/globals.h"

#include <QFile>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>

namespace {

QByteArray listOf(int entries, int firstNumber = 1) {
    QByteArray text;
    for (int i = 0; i < entries; ++i)
        text += "Reading " + QByteArray::number(i + 1) + "\r\n" +
                QByteArray::number(firstNumber + i) + "\r\n";
    return text;
}

} // namespace

TEST(ReadingListFile, EntriesAndWhatBadFilesGive) {
    const QString title400(400, 'T');
    struct Case {
        const char* what;
        QByteArray content;
        std::vector<int> numbers;
        std::vector<int> titleLengths;
    };
    const Case cases[] = {
        {"CR LF and lone CR", "A\r\n3\rB\n7\n", {3, 7}, {1, 1}},
        {"odd line count: the last title has no number", "A\n1\nB\n", {1}, {1}},
        {"last title without line end", "A\n1\nB", {1}, {1}},
        {"number line without line end", "A\n1\nB\n2", {1, 2}, {1, 1}},
        {"number line abc", "A\nabc\nB\n2\n", {2}, {1}},
        {"negative and too large numbers", "A\n-2\nB\n1000\nC\n  12 extra\n", {12}, {1}},
        {"400-character title", title400.toLatin1() + "\n4\n", {4}, {298}},
        {"empty file", "", {}, {}},
    };
    for (const Case& c : cases) {
        const auto entries = parseReadingList(c.content);
        std::vector<int> numbers, lengths;
        for (const auto& e : entries) {
            numbers.push_back(e.number);
            lengths.push_back(int(e.title.size()));
        }
        EXPECT_EQ(numbers, c.numbers) << c.what;
        EXPECT_EQ(lengths, c.titleLengths) << c.what;
    }
    const auto many = parseReadingList(listOf(150));
    ASSERT_EQ(many.size(), 100u);
    EXPECT_EQ(many.back().number, 100);
    EXPECT_EQ(many.back().title, "Reading 100");
}

TEST(ReadingListFile, DoneCountsAndTheirStoredForm) {
    struct Case {
        const char* stored;
        int entries;
        std::vector<int> counts;
    };
    const Case cases[] = {
        {"", 3, {0, 0, 0}},
        {"2 0 1 ", 3, {2, 0, 1}},
        {"2 0 ", 4, {2, 0, 0, 0}},
        {"x y -5 99999999999", 5, {0, 0, 0, kMaxDoneCount, 0}},
        {"4  5", 2, {4, 5}},
        {"1 2 3 4 ", 2, {1, 2}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseDoneCounts(c.stored, c.entries), c.counts) << c.stored;
    EXPECT_EQ(doneCountsText({2, 1, 1}), "2 1 1 ");
    EXPECT_EQ(readingListLine(7, "Bees"), "  7   Bees");
    EXPECT_EQ(readingListLine(1234, "Bees"), "1234   Bees");
    EXPECT_EQ(leastReadIndex({3, 1, 2, 1}), 1);
    EXPECT_EQ(leastReadIndex({}), -1);
}

class ReadingList : public ShellTest {
protected:
    ReadingList() {
        PersonName = "Ann";
        Locations::setDataDirOverride(data.path());
        writeFile("pr_bas.dat", "Bees\n11\nBridges\n12\nWriting\n13\n");
        writeFile("pr_adv.dat", listOf(30, 40));
        WritePrivateProfileString("Ann", "Used", "9", ProfileName);
        WritePrivateProfileString("Ann", "LevelAdvanced", "0", ProfileName);
        WritePrivateProfileString("Ann", "Other", "kept", ProfileName);
        mon = new LessonMonitor(nullptr, 4);
    }
    ~ReadingList() override {
        delete mon;
        mon = nullptr;
        Locations::setDataDirOverride({});
    }
    void writeFile(const QString& name, const QByteArray& content) {
        QFile f(data.path() + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    // The value as the file holds it, trailing space included.
    QString raw(const char* key) const {
        for (const QByteArray& l : state.readIni().split('\n'))
            if (l.startsWith(QByteArray(key) + '='))
                return QString::fromLatin1(l.mid(int(qstrlen(key)) + 1));
        return "<none>";
    }
    static QStringList rows(const LstDialog& d) {
        QStringList r;
        for (int i = 0; i < d.list()->count(); ++i)
            r << d.list()->item(i)->text();
        return r;
    }

    QTemporaryDir data;
    QString line;
};

TEST_F(ReadingList, ShowsDoneCountsSelectsTheLeastReadAndStoresTheChoice) {
    WritePrivateProfileString("Ann", "ReadingsDoneBasic", "2 0 1 ", ProfileName);
    LstDialog d(mon, &line, "Choose Practice Reading");
    EXPECT_EQ(d.windowTitle(), "Choose Practice Reading");
    EXPECT_EQ(rows(d), (QStringList{"  2   Bees", "  0   Bridges", "  1   Writing"}));
    EXPECT_EQ(d.list()->currentRow(), 1);
    EXPECT_EQ(d.list()->font().family(), "Liberation Sans");
    EXPECT_EQ(d.list()->font().pixelSize(), 12);
    auto* basic = qobject_cast<QRadioButton*>(d.control(51));
    ASSERT_NE(basic, nullptr);
    EXPECT_TRUE(basic->isChecked());

    d.sendCommand(1);
    EXPECT_EQ(d.result(), 12);
    EXPECT_EQ(line, "  0   Bridges");
    EXPECT_EQ(raw("ReadingsDoneBasic"), "2 1 1 ");
    EXPECT_EQ(ini("Ann", "Other"), "kept");
    EXPECT_EQ(sounds.played, QStringList{"sound/right.wav"});
}

TEST_F(ReadingList, DoubleClickChoosesAndBadCountsReadAsZero) {
    WritePrivateProfileString("Ann", "ReadingsDoneBasic", "x y -5 99999999999", ProfileName);
    LstDialog d(mon, &line, "Choose Practice Reading");
    EXPECT_EQ(rows(d), (QStringList{"  0   Bees", "  0   Bridges", "  0   Writing"}));
    EXPECT_EQ(d.list()->currentRow(), 0);
    d.list()->setCurrentRow(2);
    emit d.list()->itemDoubleClicked(d.list()->item(2));
    EXPECT_EQ(d.result(), 13);
    EXPECT_EQ(raw("ReadingsDoneBasic"), "0 0 1 ");
}

TEST_F(ReadingList, TheLeastReadFarDownIsScrolledIntoView) {
    WritePrivateProfileString("Ann", "LevelAdvanced", "1", ProfileName);
    delete mon;
    mon = new LessonMonitor(nullptr, 4);
    // Readings 1..20 read twice, 21 once: row 20 is the best, row 15 the top.
    QString counts;
    for (int i = 0; i < 30; ++i)
        counts += i < 20 ? "2 " : i == 20 ? "1 " : "3 ";
    WritePrivateProfileString("Ann", "ReadingsDoneAdvanced", counts.toLatin1(), ProfileName);
    LstDialog d(mon, &line, "Choose another reading");
    d.resize(d.size()); // laid out for the scroll position
    EXPECT_EQ(d.list()->currentRow(), 20);
    EXPECT_EQ(d.list()->verticalScrollBar()->value(), 15);
    EXPECT_EQ(d.numbers().front(), 40);
}

TEST_F(ReadingList, SwitchingModeRefillsAndTellsTheUserOnOk) {
    LstDialog d(mon, &line, "Choose Practice Reading");
    auto* advanced = qobject_cast<QRadioButton*>(d.control(53));
    ASSERT_NE(advanced, nullptr);
    advanced->click();
    EXPECT_TRUE(mon->Advanced());
    EXPECT_EQ(iniInt("Ann", "LevelAdvanced"), 1);
    EXPECT_EQ(d.list()->count(), 30);
    EXPECT_EQ(d.list()->item(0)->text(), "  0   Reading 1");

    ModalScript script;
    script.answer("Advanced Reading Selected",
                  "SkimSprinter will now run in advanced mode.  This includes the exercises.", IDOK);
    d.sendCommand(1);
    EXPECT_EQ(d.result(), 40);
    EXPECT_EQ(raw("ReadingsDoneAdvanced"), QString("1 ") + QString("0 ").repeated(29));
    EXPECT_EQ(ini("Ann", "ReadingsDoneBasic"), "<none>");
}

TEST_F(ReadingList, SwitchingBackToBasicSaysSoToo) {
    WritePrivateProfileString("Ann", "LevelAdvanced", "1", ProfileName);
    delete mon;
    mon = new LessonMonitor(nullptr, 4);
    LstDialog d(mon, &line, "Choose Practice Reading");
    qobject_cast<QRadioButton*>(d.control(51))->click();
    EXPECT_FALSE(mon->Advanced());
    ModalScript script;
    script.answer("Basic-Mode Reading Selected", "will now run in basic mode.", IDOK);
    d.sendCommand(1);
    EXPECT_EQ(d.result(), 11);
}

TEST_F(ReadingList, OtherButtonsAndTheirResults) {
    struct Case {
        int command;
        int result; // -1: the dialog stays open
        const char* sound;
    };
    const Case cases[] = {{52, -2, "sound/right.wav"},
                          {2, 1000, "sound/wrong.wav"},
                          {9, -1, "sound/right.wav"}};
    for (const Case& c : cases) {
        sounds.played.clear();
        QString chosen = "untouched";
        LstDialog d(mon, &chosen, "Choose Practice Reading");
        d.show();
        // The mode switch stays in force after a cancel, without a count.
        qobject_cast<QRadioButton*>(d.control(53))->click();
        d.sendCommand(c.command);
        if (c.result == -1) {
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(help.topics, std::vector<int>{29});
        } else {
            EXPECT_EQ(d.result(), c.result);
        }
        EXPECT_EQ(sounds.played, QStringList{c.sound});
        EXPECT_EQ(chosen, "untouched");
        EXPECT_TRUE(mon->Advanced());
        EXPECT_EQ(ini("Ann", "ReadingsDoneAdvanced"), "<none>");
        mon->SetAdvanced(false);
    }
}

TEST_F(ReadingList, OkWithNothingSelectedIsACancel) {
    LstDialog d(mon, &line, "Choose Practice Reading");
    d.list()->clearSelection();
    d.sendCommand(1);
    EXPECT_EQ(d.result(), 1000);
    EXPECT_EQ(ini("Ann", "ReadingsDoneBasic"), "<none>");
}

TEST_F(ReadingList, RunThroughTheMonitorsCallWithAModalScript) {
    ModalScript script;
    script.then([](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Choose Practice Reading");
        return ModalScript::press(w, 1);
    });
    EXPECT_EQ(activityFactory().chooseReading(mon, line, "Choose Practice Reading"), 11);
    EXPECT_EQ(line, "  0   Bees");
}

TEST_F(ReadingList, AMissingListEndsTheProgram) {
    QFile::remove(data.path() + "/pr_bas.dat");
    ModalScript script;
    script.answer("SkimSprinter", "practice text list file missing ... reinstall product ... exiting",
                  IDOK);
    EXPECT_EQ(LstDialog::choose(mon, line, "Choose Practice Reading"), 1000);
    EXPECT_EQ(terminated.statuses, std::vector<int>{1});
}
