// How closely the pacer keeps its schedule on the real event loop: a reading
// window scrolled at 300 and 1,000 words per minute, 16 steps a line; for 2,000
// steps, |the moment a step is taken - the moment it was due|.
#include "platform/clock.h"
#include "platform/profile.h"
#include "reading/pace_schedule.h"
#include "reading/pacer.h"
#include "reading/reading_pace.h"
#include "reading/scr.h"
#include "reading/testwindow.h"
#include "shell/globals.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "bench_app.h"
#include "bench_figures.h"
#include "bench_window.h"
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// The reading's page, with the moment of every step written down.
class MeasuredText : public PacedText {
public:
    MeasuredText(ScrollTextBox& box, int wpm) : pace_(box), schedule_(wpm, 0) {}
    double pacedChars() const override { return pace_.pacedChars(); }
    double nextStepChars() const override { return pace_.nextStepChars(); }
    bool atEnd() const override { return pace_.atEnd() || lateness.size() >= kSteps; }
    void takeStep() override {
        const double due = schedule_.dueAt(pace_.pacedChars() + pace_.nextStepChars());
        const double now =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        lateness.push_back(std::abs(now - due));
        pace_.takeStep();
    }
    static constexpr size_t kSteps = 2000;
    std::chrono::steady_clock::time_point start;
    std::vector<double> lateness;

private:
    ReadingPace pace_;
    PaceSchedule schedule_;
};

void BM_PacerStepAccuracy(benchmark::State& state) {
    const int wpm = int(state.range(0));
    QTemporaryDir dir;
    // Short lines keep the run short: 2,000 steps of 16 a line are 125 lines.
    QByteArray text;
    for (int i = 0; i < 200; ++i)
        text += "Paced line " + QByteArray::number(1000 + i) + " of words.\n";
    const QString path = writeFile(dir, "reading.txt", text);
    PersonName = "Bench";
    WritePrivateProfileString("Bench", "SpeedTestScroll", "0", ProfileName);
    auto* window = new BenchWindow;
    window->Create();
    window->show();
    QApplication::processEvents();
    std::vector<double> lateness;
    for (auto _ : state) {
        window->Box->load(path);
        MeasuredText measured(*window->Box, wpm);
        Pacer pacer(measured);
        QEventLoop loop;
        pacer.onFinished = [&loop] { loop.quit(); };
        // The pacer's clock and the measuring one start together.
        const unsigned tick = timeGetTime();
        while (timeGetTime() == tick) {
        }
        measured.start = std::chrono::steady_clock::now();
        pacer.start(wpm, 0);
        loop.exec();
        lateness = measured.lateness;
    }
    const Figures f = summarise(lateness);
    state.counters["median_ms"] = f.median;
    state.counters["p95_ms"] = f.p95;
    std::printf("pacer at %d wpm, 16 steps a line: |actual - due| median %.2f ms, p95 %.2f ms, "
                "max %.2f ms over %zu steps\n",
                wpm, f.median, f.p95, f.max, lateness.size());
    delete window;
}

BENCHMARK(BM_PacerStepAccuracy)->Arg(300)->Arg(1000)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarksInApplication(argc, argv);
}
