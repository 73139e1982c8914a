// Books: a generated EPUB of 600 chapters and 5 MB of text read and its chapter list
// shown (goal: at most 300 ms), and a chapter of 200 KB from the choice to the first
// page drawn (goal: at most 150 ms).
#include "book/epub_book.h"
#include "platform/profile.h"
#include "reading/chapterdialog.h"
#include "shell/globals.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "support/test_book.h"

#include <benchmark/benchmark.h>

#include "bench_app.h"
#include "bench_figures.h"
#include "bench_window.h"
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

// Paragraphs of 100 words with markup a book has; about 88 % of textBytes end up as text.
QByteArray chapterBody(int chapter, qsizetype textBytes) {
    static const char* words[] = {"river", "stone", "morning", "the",    "and",     "of",
                                  "a",     "quiet", "north",   "window", "garden",  "letters",
                                  "she",   "said",  "caf&eacute;", "<em>never</em>"};
    QByteArray out = "<h1>Chapter " + QByteArray::number(chapter) + "</h1>";
    unsigned seed = unsigned(chapter) * 7919u + 1u;
    qsizetype text = 0;
    while (text < textBytes) {
        out += "<p>";
        for (int w = 0; w < 100; ++w) {
            seed = seed * 1103515245u + 12345u;
            const char* word = words[(seed >> 16) % 16];
            out += word;
            out += ' ';
            text += qsizetype(strlen(word)) + 1;
        }
        out += "</p>\n";
    }
    return out;
}

// An EPUB 3 book of `chapters` chapters, each of about `textBytes` of text, built as the tests
// build theirs.
QString writeBook(const QTemporaryDir& dir, const char* name, int chapters, qsizetype textBytes) {
    const QString path = dir.path() + "/" + name;
    TestBook book;
    book.title = QStringLiteral("Bench");
    for (int i = 1; i <= chapters; ++i)
        book.chapters.push_back(
            {QStringLiteral("Chapter %1").arg(i), QString::fromUtf8(chapterBody(i, textBytes))});
    book.write(path);
    return path;
}

double msSince(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

void BM_ChapterListOf600Chapters(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = writeBook(dir, "long.epub", 600, 5700 * 1000 / 600);
    std::vector<double> ms;
    size_t chapters = 0;
    qsizetype text = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        const BookResult read = readBook(path);
        ChapterDialog dialog(nullptr, read.book);
        dialog.show();
        QApplication::processEvents();
        ms.push_back(msSince(t0));
        chapters = read.book.chapters.size();
        text = 0;
        for (const BookChapter& c : read.book.chapters)
            text += c.text.size();
    }
    const Figures f = summarise(ms);
    state.counters["p95_ms"] = f.p95;
    std::printf("chapter list of %zu chapters, %.1f MB of text: median %.1f ms, p95 %.1f ms, max %.1f ms "
                "(goal 300 ms)\n",
                chapters, double(text) / 1e6, f.median, f.p95, f.max);
}

void BM_Chapter200KBToFirstPage(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = writeBook(dir, "one.epub", 1, 236 * 1000);
    PersonName = "Bench";
    WritePrivateProfileString("Bench", "SpeedTestFontSize", "14", ProfileName);
    auto* window = new BenchWindow;
    window->Create();
    window->show();
    const BookResult read = readBook(path);
    const QString& text = read.book.chapters.at(0).text;
    std::vector<double> ms;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        window->Box->takeText(text, true);
        ms.push_back(msSince(t0));
    }
    // The whole way from the file: the book read, as for a book of one chapter, and the page.
    std::vector<double> whole;
    for (int i = 0; i < 20; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        const BookResult again = readBook(path);
        window->Box->takeText(again.book.chapters.at(0).text, true);
        whole.push_back(msSince(t0));
    }
    const Figures f = summarise(ms), w = summarise(whole);
    state.counters["p95_ms"] = f.p95;
    std::printf("chapter of %lld characters to the first page: median %.1f ms, p95 %.1f ms; "
                "with the book read from the file: median %.1f ms, p95 %.1f ms (goal 150 ms)\n",
                static_cast<long long>(text.size()), f.median, f.p95, w.median, w.p95);
    delete window;
}

} // namespace

BENCHMARK(BM_ChapterListOf600Chapters)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Chapter200KBToFirstPage)->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char** argv) {
    return runBenchmarksInApplication(argc, argv);
}
