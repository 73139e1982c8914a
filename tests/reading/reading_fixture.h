#pragma once

#include "support/reading_data.h"
#include "support/reading_host.h"
#include "support/fake_lesson.h"
#include "support/shell_fixture.h"

#include "platform/locations.h"
#include "reading/scr.h"
#include "reading/speedtestwindow.h"

#include <QFile>
#include <QFileDialog>

// Readings of the test's own data tree (relative names are ours) and the user's
// own files (absolute names).
class ReadingTest : public ShellTest {
protected:
    ReadingTest() {
        Locations::setDataDirOverride(data_.path());
        PersonName = "Ann";
    }
    ~ReadingTest() override { Locations::setDataDirOverride(QString()); }

    QString reading(const QString& relative, const QByteArray& bytes) {
        writeFile(data_.path() + "/" + relative, bytes);
        return relative;
    }
    QString ownFile(const QString& name, const QByteArray& bytes) {
        return writeFile(own_.path() + "/" + name, bytes);
    }
    // "line 0\n" .. "line n-1\n".
    static QByteArray lines(int n) {
        QByteArray b;
        for (int i = 0; i < n; ++i)
            b += "line " + QByteArray::number(i) + "\n";
        return b;
    }

    // Picks the file in the file dialog, which opens in `folder` when one is given.
    static ModalScript::Step choose(const QString& path, const QString& folder = {}) {
        return [path, folder](QWidget& w) {
            auto* dialog = qobject_cast<QFileDialog*>(&w);
            EXPECT_EQ(w.windowTitle(), "Choose a text file to read");
            if (!dialog) return 0;
            EXPECT_EQ(dialog->nameFilters().value(0), "Texts and Books (*.txt *.epub)");
            if (!folder.isEmpty()) {
                EXPECT_EQ(dialog->directory().absolutePath(), QDir(folder).absolutePath());
            }
            dialog->selectFile(path);
            return ModalScript::press(w, 1);
        };
    }

private:
    QTemporaryDir data_;
    QTemporaryDir own_;
};

// A text box alone on a canvas, 600 x 400 unless the test sets another size.
class BoxTest : public ReadingTest {
protected:
    void setClient(QSize size) {
        host.image = QImage(size, QImage::Format_RGB32);
        host.image.fill(Qt::black);
    }
    ImageHost host;
    ScrollTextBox box{1};
};

// A reading window of the program over the test's data tree.
class ReadingWindowTest : public ReadingTest {
protected:
    ReadingWindowTest() {
        reading("instr.dat", "Speed test instructions\n");
        reading("instr_pr.dat", lines(80));
        // With the end line, 968 + 32 = 1000 characters.
        reading("st_bas/st1.dat", readingText(968, 'a'));
        reading("st_bas/st2.dat", readingText(968, 'b'));
        reading("pr_bas/p11.dat", readingText(968, 'p'));
        put("Ann", "LevelAdvanced", "0");
        put("Ann", "Other", "kept");
    }
    ~ReadingWindowTest() override { delete window; }

    // A practice reading of `reading` (-2: the user's own file, asked for at the start).
    void open(bool speedTest, int reading = 11, bool load = true) {
        delete window;
        window = new SpeedTestWindow(nullptr, &lesson, speedTest ? "SkimSprinter Speed Test" : "Practice",
                                     speedTest ? "SpeedTest" : "Readings", speedTest ? -1 : reading,
                                     speedTest);
        window->Create();
        window->show();
        if (load && reading != -2) window->EvTimer(0);
    }
    void space() { window->EvKeyUp(Qt::Key_Space, false); }
    void readToTheEnd() {
        for (int i = 0; i < 2000 && !window->NearEnd; ++i)
            window->EvKeyDown(Qt::Key_Down, i > 0);
        ASSERT_TRUE(window->NearEnd);
    }
    // Starts at 1000 ms (by the space bar or the menu), reads the text in a minute and stops
    // with the space bar; `between` scripts the dialogs between the speed and the save question.
    void timeAMinute(bool full = false, const std::function<void()>& between = {}, bool menu = false) {
        clock.now = 1000;
        menu ? window->Command(CM_TIMERSTART) : space();
        readToTheEnd();
        clock.now = 61000;
        script.answer("Speed Test Time",
                      "Your speed is 200.00 words per minute  (16.67 characters per second)", IDOK);
        if (between) between();
        script.answer("Save Results?", "save this time (did the test go smoothly)?", IDYES);
        if (full) script.answer("SkimSprinter", "Future scores will not be recorded", IDOK);
        script.answer("Results", "look at your previous scores?", IDNO);
        space();
        EXPECT_TRUE(script.finished());
    }
    bool enabled(int id) const { return window->menuItem(id)->isEnabled(); }
    FakeClock clock;
    FakeLesson lesson;
    SpeedTestWindow* window = nullptr;
};
