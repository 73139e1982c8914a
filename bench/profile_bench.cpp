// Settings-file calls on a file shaped like a real one: "AllUsers" and two users, about 40 keys.
// Every call opens and parses the file anew, and every write is a locked, synced replace, so
// these are the costs a window pays when it reads its settings or stores its position.
#include "platform/profile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

constexpr const char* kIni = "ssv20.ini";

const char* const kUserKeys[] = {
    "Muted",
    "LevelAdvanced",
    "Used",
    "TotalMinutes",
    "OtherBlockWindowColor",
    "MonitorWindowScreenX",
    "MonitorWindowScreenY",
    "SpeedTestScreenWidth",
    "SpeedTestFontSize",
    "SpeedTestScroll",
    "SpeedTestNumber",
    "ExerciseDivision",
    "SizesScreenWidth",
    "SizesScreenHeight",
    "SizesFontHeight",
    "SizeLineCharWidth",
    "TimesDisplayTimeMs",
    "OtherTargetNo",
    "DrillScores",
};

// A state directory of its own for the whole run, filled once.
class BenchState {
public:
    BenchState() {
        setenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit().constData(), 1);
        WritePrivateProfileString("AllUsers", "LastUserName", "Anna", kIni);
        for (const char* user : {"Bob", "Anna"}) {
            int n = 0;
            for (const char* key : kUserKeys) {
                if (std::string(key) == "DrillScores")
                    WritePrivateProfileString(user, key, scores().c_str(), kIni);
                else
                    WritePrivateProfileInt(user, key, 100 + n++, kIni);
            }
        }
    }
    static std::string scores() {
        std::string s;
        for (int i = 0; i < 40; ++i)
            s += std::to_string(20 + i % 7) + " 12/0" + std::to_string(1 + i % 9) + "/24 ";
        return s;
    }

private:
    QTemporaryDir dir_;
};

void prepare() {
    static BenchState state;
}

void BM_ReadInt(benchmark::State& st) {
    prepare();
    for (auto _ : st)
        benchmark::DoNotOptimize(GetPrivateProfileInt("Anna", "OtherTargetNo", 2, kIni));
}
BENCHMARK(BM_ReadInt);

void BM_ReadString(benchmark::State& st) {
    prepare();
    char buffer[1000];
    for (auto _ : st) {
        benchmark::DoNotOptimize(
            GetPrivateProfileString("Anna", "DrillScores", "", buffer, sizeof buffer, kIni));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ReadString);

void BM_Write(benchmark::State& st) {
    prepare();
    int x = 0;
    for (auto _ : st) // a new value each time, so every call really rewrites the file
        benchmark::DoNotOptimize(WritePrivateProfileInt("Anna", "MonitorWindowScreenX", ++x, kIni));
}
BENCHMARK(BM_Write);

} // namespace

BENCHMARK_MAIN();
