// Time per line of the word-group division: the fast search against the one
// that visits every candidate, on ordinary lines of 60 to 128 characters and on
// one long line.
#include "exercise/division.h"

#include <QStringList>

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

// Ordinary prose: words of the usual mix of lengths, one space apart, now and
// then a comma or a full stop.
std::vector<QString> proseLines(int count, int minChars, int maxChars, unsigned seed) {
    static const QStringList words =
        QStringLiteral(
            "the of and to a in is it you that he was for on are with as his they be at one "
            "have this from or had by hot word but what some we can out other were all there "
            "when up use your how said an each she which do their time if will way about many "
            "then them write would like so these her long make thing see him two has look more "
            "day could go come did number sound no most people my over know water than call "
            "first who may down side been now find any new work part take get place made live "
            "where after back little only round man year came show every good me give our under "
            "honeybee colony summer thousands together remarkable station morning")
            .split(u' ');
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> pickWord(0, int(words.size()) - 1);
    std::uniform_int_distribution<int> pickLength(minChars, maxChars);
    std::uniform_int_distribution<int> punctuation(0, 11);
    std::vector<QString> lines;
    while (int(lines.size()) < count) {
        const int target = pickLength(rng);
        QString line;
        for (;;) {
            QString w = words[pickWord(rng)];
            const int p = punctuation(rng);
            if (p == 0)
                w += u',';
            else if (p == 1)
                w += u'.';
            const int grown = int(line.size()) + (line.isEmpty() ? 0 : 1) + int(w.size());
            if (grown > target) break;
            if (!line.isEmpty()) line += u' ';
            line += w;
        }
        if (line.size() >= minChars) lines.push_back(line);
    }
    return lines;
}

// How many candidates the full search visits, on average over the lines.
double meanCandidates(const std::vector<QString>& lines, int division, int average) {
    double total = 0;
    for (const QString& line : lines) {
        int start = 0;
        int end = int(line.size());
        Division::EatHeadTailWhite(line, start, end);
        const int n = end - start;
        if (division == 1 || n <= 0) continue;
        const int inc = Division::CalculateIncrement(n, division, average);
        double count = 1;
        for (const auto& s : Division::FindSlots(line, start, n, inc))
            count *= (s.before != -1 && s.after != -1) ? 2 : 1;
        total += count;
    }
    return total / double(lines.size());
}

void divideLines(benchmark::State& state, const std::vector<QString>& lines,
                 Division::Search search) {
    const int division = int(state.range(0));
    const int average = int(state.range(1));
    size_t i = 0;
    long breaks = 0;
    for (auto _ : state) {
        const QString& line = lines[i++ % lines.size()];
        int start = 0;
        int end = int(line.size());
        breaks +=
            long(Division::DetermineWordGroups(line, start, end, division, average, search).size());
    }
    benchmark::DoNotOptimize(breaks);
    state.counters["breaks/line"] = benchmark::Counter(double(breaks) / double(state.iterations()));
    state.counters["candidates/line"] = meanCandidates(lines, division, average);
}

const std::vector<QString>& ordinary() {
    static const std::vector<QString> lines = proseLines(64, 60, 128, 7);
    return lines;
}

void BM_Fast(benchmark::State& state) {
    divideLines(state, ordinary(), Division::Search::Fast);
}
void BM_Exhaustive(benchmark::State& state) {
    divideLines(state, ordinary(), Division::Search::Exhaustive);
}

// A user's own text wrapped to the screen: lines of about 200 characters, and
// so an average of about 200. At division 20 nearly every slot offers two cuts.
const std::vector<QString>& wide() {
    static const std::vector<QString> lines = proseLines(16, 190, 200, 5);
    return lines;
}
void BM_WideFast(benchmark::State& state) {
    divideLines(state, wide(), Division::Search::Fast);
}
void BM_WideExhaustive(benchmark::State& state) {
    divideLines(state, wide(), Division::Search::Exhaustive);
}

// One line of 600 characters in a reading of 60-character lines: about 190
// slots; the full search cannot finish on it.
void BM_FastLongLine(benchmark::State& state) {
    static const std::vector<QString> lines = proseLines(1, 590, 600, 11);
    divideLines(state, lines, Division::Search::Fast);
}

void ordinaryArgs(benchmark::internal::Benchmark* b) {
    for (int division : {4, 10, 20})
        for (int average : {20, 60})
            b->Args({division, average});
    b->ArgNames({"division", "average"});
}

} // namespace

BENCHMARK(BM_Fast)->Apply(ordinaryArgs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Exhaustive)->Apply(ordinaryArgs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WideFast)
    ->Args({10, 195})
    ->Args({20, 195})
    ->ArgNames({"division", "average"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WideExhaustive)
    ->Args({10, 195})
    ->Args({20, 195})
    ->ArgNames({"division", "average"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FastLongLine)
    ->Args({20, 60})
    ->Args({20, 20})
    ->ArgNames({"division", "average"})
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
