#include "reading_fixture.h"

#include "exercise/exercisewindow.h"
#include "reading/text_file.h"
#include "support/test_book.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTreeWidget>

#include <sys/stat.h>

namespace {

// Picks a chapter by double-clicking its row, or cancels with row -1.
ModalScript::Step chapter(int row, QStringList* shown = nullptr) {
    return [row, shown](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Choose Chapter");
        auto* list = w.findChild<QTreeWidget*>();
        auto* dialog = qobject_cast<QDialog*>(&w);
        if (!list || !dialog) return 0;
        for (int i = 0; shown && i < list->topLevelItemCount(); ++i)
            *shown << list->topLevelItem(i)->text(0) + "|" + list->topLevelItem(i)->text(1);
        if (row < 0) return int(QDialog::Rejected);
        emit list->itemDoubleClicked(list->topLevelItem(row), 0);
        return dialog->result();
    };
}

QString placesFile() {
    return Locations::stateDir() + "/reading-places.json";
}

} // namespace

class OwnTextWindow : public ReadingWindowTest {
protected:
    QString book() {
        TestBook b;
        b.chapters = {{"Cover", "<p>A Test Book</p>"},
                      {"Opening", "<p>" + someWords(35, "o") + "</p>"},
                      {"Middle Part", "<p>" + someWords(40, "m") + "</p>"}};
        const QString path = ownFile("novel.epub", "");
        EXPECT_TRUE(b.write(path));
        return path;
    }
    QString topLine() const {
        const QString& text = window->Box->DisplayText;
        return text.mid(window->Box->StartChar + 1).section('\n', 0, 0);
    }
    void scrollLines(int n) {
        for (int i = 0; i < n * window->Box->StepsPerLine; ++i)
            window->EvKeyDown(Qt::Key_Down, i > 0);
    }
    // Chooses the file; `place` is what the question whether to continue there says.
    void chooseFile(const QString& path, const QString& place = {}, int answer = IDYES) {
        script.then(choose(path));
        if (!place.isEmpty()) script.answer("Continue Reading?", place, answer);
        window->Command(CM_TEXTFILE);
    }
};

TEST_F(OwnTextWindow, ABookChapterIsReadAndACancelOrABadBookChangesNothing) {
    open(true);
    const QString path = book();
    QStringList shown;
    script.then(choose(path)).then(chapter(-1, &shown));
    window->Command(CM_TEXTFILE);
    // The cover has too few words to be listed.
    EXPECT_EQ(shown, (QStringList{"\u2007\u20071   Opening|35", "\u2007\u20072   Middle Part|40"}));
    EXPECT_EQ(window->windowTitle(), "SkimSprinter Speed Test");

    const QString bad = ownFile("bad.epub", "plain words, no archive");
    script.then(choose(bad)).answer("Could not read book", bad + "\nis not an e-book", IDOK);
    window->Command(CM_TEXTFILE);
    EXPECT_EQ(window->windowTitle(), "SkimSprinter Speed Test");
    EXPECT_EQ(ini("Ann", "TextFileFolder"), "<none>");
    EXPECT_FALSE(QFile::exists(placesFile()));

    script.then(choose(path)).then(chapter(1));
    window->Command(CM_TEXTFILE);
    EXPECT_EQ(window->windowTitle(), "Text File (A Test Book - Middle Part)");
    EXPECT_TRUE(window->Box->DisplayText.startsWith("m1 m2 m3"));
    // Timed from its top at the next start, like any own file.
    space();
    EXPECT_TRUE(window->Box->DisplayText.startsWith("m1 m2 m3"));
    EXPECT_EQ(window->Box->TextLength(), someWords(40, "m").size() + int(strlen(SpeedTestWindow::kEndLine)));
    EXPECT_EQ(ini("Ann", "TextFileFolder"), QFileInfo(path).absolutePath());
    EXPECT_TRUE(script.finished());
}

TEST_F(OwnTextWindow, PastedTextIsReadAndAnEmptyClipboardOrARefusalChangesNothing) {
    open(true);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    script.answer("Paste Text", "The clipboard holds no text.", IDOK);
    window->Command(CM_PASTETEXT);
    EXPECT_EQ(window->windowTitle(), "SkimSprinter Speed Test");

    // A running timing ends only when the user agrees.
    space();
    auto* html = new QMimeData;
    html->setHtml("<p>Hello <b>pasted</b>\r\nworld</p><p>Again</p>");
    clipboard->setMimeData(html);
    script.answer("Quit speed test?", "abort this speed test?", IDNO);
    window->Command(CM_PASTETEXT);
    EXPECT_EQ(window->windowTitle(), "SkimSprinter Speed Test - [timing]");

    script.answer("Quit speed test?", "abort this speed test?", IDYES);
    window->Command(CM_PASTETEXT);
    EXPECT_EQ(window->windowTitle(), "Text File (Pasted text)");
    EXPECT_TRUE(window->Box->DisplayText.startsWith("Hello pasted world\n\nAgain"));
    // Pasted text has no place to go back to.
    window->close();
    EXPECT_FALSE(QFile::exists(placesFile()));
    EXPECT_EQ(window->menuItem(CM_PASTETEXT)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_V));
    EXPECT_TRUE(script.finished());
}

TEST_F(OwnTextWindow, AReadingOrExerciseGoesOnWhereTheUserStopped) {
    const QString path = ownFile("long.txt", lines(200));
    open(false);
    chooseFile(path);
    scrollLines(30);
    EXPECT_EQ(topLine(), "line 30");
    window->close();

    open(false);
    chooseFile(path, "Continue from line 31 of 200, where you stopped last time?");
    EXPECT_EQ(topLine(), "line 30");
    scrollLines(5);
    // Another text chosen stores the place too.
    chooseFile(path, "Continue from line 36 of 200", IDNO);
    EXPECT_EQ(window->Box->StartChar, -1);

    // A speed test reads the whole text and asks nothing.
    open(true);
    chooseFile(path);
    EXPECT_EQ(window->Box->StartChar, -1);
    delete window;
    window = nullptr;

    // The exercise asks too; a changed file is a new text.
    auto* exercise = new ExerciseWindow(nullptr, &lesson, "SkimSprinter Exercises", 1);
    exercise->Create();
    exercise->show();
    script.then(choose(path)).answer("Continue Reading?", "Continue from line 36 of 200", IDYES);
    exercise->Command(CM_TEXTFILE);
    EXPECT_TRUE(exercise->Box->DisplayText.mid(exercise->Box->StartChar + 1).startsWith("line 35\n"));
    exercise->close();
    delete exercise;
    ASSERT_FALSE(ownFile("long.txt", lines(201)).isEmpty());
    open(false);
    chooseFile(path);
    EXPECT_EQ(window->Box->StartChar, -1);
    EXPECT_TRUE(script.finished());
}

TEST(ReadingPlaces, APlaceSurvivesAnotherWrapAndTheLast20TextsAreKept) {
    // The same words wrapped at two widths: the place of a line finds the line holding its word.
    QString text;
    for (int i = 0; i < 300; ++i)
        text += QStringLiteral("w%1 ").arg(i);
    const auto width = [](QStringView) { return 10.0; };
    const QString wide = wrapLines(text, width, 400), narrow = wrapLines(text, width, 130);
    const int lineStart = int(wide.indexOf("\nw") + 1);
    const int place = ReadingPlaces::placeOfLine(wide, lineStart);
    const QString firstWord = wide.mid(lineStart).section(' ', 0, 0);
    const QString found = narrow.mid(ReadingPlaces::lineStartOfPlace(narrow, place)).section('\n', 0, 0);
    EXPECT_TRUE(found.split(' ').contains(firstWord)) << found.toStdString();
    EXPECT_EQ(ReadingPlaces::lineStartOfPlace(narrow, 0), 0);
    EXPECT_EQ(ReadingPlaces::lineStartOfPlace(narrow, 1000000), narrow.lastIndexOf('\n') + 1);

    std::vector<ReadingPlace> places;
    for (int i = 0; i < 21; ++i)
        ReadingPlaces::remember(places, {{QStringLiteral("/t%1").arg(i), 1, 2, -1}, i});
    ReadingPlaces::remember(places, {{"/t5", 1, 2, -1}, 99});
    ASSERT_EQ(places.size(), 20u);
    EXPECT_FALSE(ReadingPlaces::find(places, {"/t0", 1, 2, -1}));
    EXPECT_EQ(ReadingPlaces::find(places, {"/t5", 1, 2, -1}), 99);
    EXPECT_FALSE(ReadingPlaces::find(places, {"/t5", 1, 2, 0})) << "another chapter";
    EXPECT_FALSE(ReadingPlaces::find(places, {"/t5", 1, 3, -1})) << "modified since";
}

TEST_F(OwnTextWindow, ADamagedStoreMeansTheTopAndIsMendedByTheNextSave) {
    const QString path = ownFile("long.txt", lines(100));
    for (const QByteArray& damaged : {QByteArray("{\"users\": {\"Ann\": [{\"path\": 5"), QByteArray("\xff\xfe garbage"),
                                     QByteArray("{\"users\": {\"Ann\": [{\"path\": \"x\", \"place\": -4}], "
                                                "\"Bob\": [{\"path\": \"/b\", \"size\": 1, \"modified\": 2, "
                                                "\"chapter\": -1, \"place\": 7}]}}")}) {
        SCOPED_TRACE(damaged.toStdString());
        ASSERT_FALSE(writeFile(placesFile(), damaged).isEmpty());
        open(false);
        chooseFile(path);
        EXPECT_EQ(window->Box->StartChar, -1);
        scrollLines(3);
        window->close();
        const PlaceKey key = ReadingPlaces::keyOf(path, -1);
        // Five letters and digits in each of "line 0" to "line 2" lie above the top line.
        EXPECT_EQ(ReadingPlaces::stored(key), 15);
        struct stat st {};
        ASSERT_EQ(stat(QFile::encodeName(placesFile()).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600);
    }
    // Other users' places are kept.
    PersonName = "Bob";
    EXPECT_EQ(ReadingPlaces::stored({"/b", 1, 2, -1}), 7);
    EXPECT_EQ(ini("Ann", "Other"), "kept");
}
