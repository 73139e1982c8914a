// A full redraw of an exercise page of 40 lines at division 20: finished lines
// above the middle in plain text, the current line and those below as shadows.
#include "exercise/edx.h"
#include "reading/readinghost.h"
#include "shell/globals.h"

#include <QApplication>
#include <QImage>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include "bench_app.h"

namespace {

// Draws into an image of its own; nothing is shown.
class PageHost : public ReadingHost {
public:
    explicit PageHost(QSize size) : image(size, QImage::Format_RGB32) {}
    void SetProgress(int) override {}
    void SetProgressMax(int) override {}
    void EnableTimerStop() override {}
    void TextLoaded() override {}
    void FinishedScrolling() override {}
    bool padText() const override { return true; }
    QImage& canvas() override { return image; }
    void present(const QRect&) override {}
    int outerWidthFor(int clientWidth) const override { return clientWidth; }
    void setOuterWidth(int) override {}
    QImage image;
};

QString reading(int lines) {
    const QStringList words =
        QStringLiteral("a honey bee colony is like a busy little town in summer it can "
                       "hold tens of thousands of bees each has a job and the jobs "
                       "change as the bee grows older nobody gives orders")
            .split(u' ');
    QString text;
    int w = 0;
    for (int i = 0; i < lines; ++i) {
        QString line;
        while (line.size() < 58)
            line += words[w++ % words.size()] + u' ';
        text += line.trimmed() + u'\n';
    }
    return text;
}

void BM_ExercisePageRedraw(benchmark::State& state) {
    const int lineHeight = 15; // 14 px text
    PageHost host(QSize(560, 40 * lineHeight + 2 * 16 + 2 * 16));
    win = &host;
    ExerciseBox box(int(state.range(0)));
    box.Margin = box.Offset = 16;
    box.TextWidth = 560 - 2 * 16;
    box.TextHeight = host.image.height() - 2 * 16;
    box.AverageLineChars = 58;
    box.set(reading(200));
    // Half the page read: the lines above the middle come from the display.
    for (int i = 0; i < 20 && state.range(1); ++i) {
        while (!box.lineFinished)
            box.LineUp();
        box.ScrollIt();
    }
    for (auto _ : state)
        box.TextAllRedraw(nullptr, 0);
    state.counters["lines"] = double(box.Display.lines().size());
    win = nullptr;
}

} // namespace

BENCHMARK(BM_ExercisePageRedraw)
    ->Args({20, 0})
    ->Args({20, 1})
    ->Args({4, 1})
    ->ArgNames({"division", "read"})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return runBenchmarksInApplication(argc, argv);
}
