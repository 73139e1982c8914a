// The reading window's costs: one smooth-scroll step of a 40-line page (the
// pixels moved, the strip blanked, the page presented) and loading a text file of
// the user's own of the largest size read (20 MB) to the first page drawn.
#include "platform/profile.h"
#include "reading/readingpage.h"
#include "reading/scr.h"
#include "reading/testwindow.h"
#include "reading/text_file.h"
#include "shell/globals.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>
#include "bench_app.h"
#include "bench_figures.h"
#include "bench_window.h"

namespace {

// Lines of a reading: about 70 characters each.
QByteArray readingLines(int count) {
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += "The bees came home at dusk, heavy with pollen, line " + QByteArray::number(i) +
               " of the text.\n";
    return out;
}

// Paragraphs of a user's own file: one long line each, as word processors save them,
// indented by a tab, with accented letters and an emoji now and then.
QByteArray ownParagraphs(qsizetype bytes) {
    static const char* words[] = {"river", "stone",   "morning", "the",    "and",    "of",
                                  "a",     "quietly", "north",   "window", "garden", "letters"};
    static const char* marked[] = {"caf\xc3\xa9", "na\xc3\xafve", "\xf0\x9f\x98\x80", "e\xcc\x81t"};
    QByteArray out;
    out.reserve(bytes);
    unsigned seed = 7;
    for (;;) {
        QByteArray para = "\t";
        for (int w = 0; w < 120; ++w) {
            seed = seed * 1103515245u + 12345u;
            const unsigned pick = (seed >> 16) % 16;
            para += pick < 12 ? words[pick] : marked[pick - 12];
            para += ' ';
        }
        para += "end.\n\n";
        if (out.size() + para.size() > bytes) return out;
        out += para;
    }
}

void BM_ScrollStep(benchmark::State& state) {
    const int fontPx = int(state.range(0));
    QTemporaryDir dir;
    const QString text = writeFile(dir, "reading.txt", readingLines(3000));
    PersonName = "Bench";
    WritePrivateProfileString("Bench", "SpeedTestFontSize", std::to_string(fontPx).c_str(),
                              ProfileName);
    WritePrivateProfileString("Bench", "SpeedTestScroll", "2", ProfileName);
    auto* window = new BenchWindow;
    window->Create();
    window->show();
    ScrollTextBox* box = window->Box;
    box->load(text);
    // A page of 40 lines.
    const int pageLines = 40;
    const int menu = window->height() - window->page()->height();
    window->resize(window->width(),
                   menu + 2 * box->Offset + box->Margin + (pageLines + 2) * box->LineHeight);
    QApplication::processEvents();
    box->TextAllRedraw(nullptr, 0);
    const int lines = box->LastFullLine + 2;
    std::vector<double> us;
    for (auto _ : state) {
        if (window->ended) {
            state.PauseTiming();
            box->load(text);
            window->ended = false;
            state.ResumeTiming();
        }
        const auto t0 = std::chrono::steady_clock::now();
        box->LineUp();
        const auto t1 = std::chrono::steady_clock::now();
        us.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
    }
    const Figures f = summarise(us);
    state.counters["lines_on_page"] = lines;
    state.counters["median_us"] = f.median;
    state.counters["p95_us"] = f.p95;
    std::printf("scroll step at %d px (%d lines on the page, %dx%d client): median %.1f us, "
                "p95 %.1f us, max %.1f us over %zu steps\n",
                fontPx, lines, window->page()->width(), window->page()->height(), f.median, f.p95,
                f.max, us.size());
    delete window;
}

void BM_LoadOwnFile20MB(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = writeFile(dir, "mine.txt", ownParagraphs(kMaxTextFileBytes));
    PersonName = "Bench";
    WritePrivateProfileString("Bench", "SpeedTestFontSize", "14", ProfileName);
    auto* window = new BenchWindow;
    window->Create();
    window->show();
    std::vector<double> ms;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        window->Box->load(path);
        const auto t1 = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    const Figures f = summarise(ms);
    state.counters["median_ms"] = f.median;
    state.counters["p95_ms"] = f.p95;
    std::printf("20 MB own text to the first page: median %.1f ms, p95 %.1f ms, max %.1f ms over "
                "%zu loads (%d characters, %lld lines)\n",
                f.median, f.p95, f.max, ms.size(), window->Box->TextLength(),
                static_cast<long long>(window->Box->DisplayText.count('\n')));
    delete window;
}

BENCHMARK(BM_ScrollStep)->Arg(14)->Arg(28)->Iterations(4000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadOwnFile20MB)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarksInApplication(argc, argv);
}
