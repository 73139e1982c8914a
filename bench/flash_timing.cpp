// How long the flash really stays on screen: 200 drills of the real drill window
// under the real event loop, at 25 ms and at 60 ms, answered by a script.
#include "drill/myframewindow.h"
#include "drill/myzwindow.h"
#include "drill/score.h"
#include "lesson/lessonmonitor.h"
#include "platform/input_dialog.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "platform/profile.h"
#include "shell/globals.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>
#include "bench_app.h"
#include "bench_figures.h"

namespace {

constexpr int kDrills = 200;

std::vector<double> runSeries(int displayMs) {
    PersonName = "Bench";
    WritePrivateProfileString("Bench", "Used", "9", ProfileName);
    WritePrivateProfileString("Bench", "LevelAdvanced", "0", ProfileName);
    WritePrivateProfileString("Bench", "TimesPreparationTimeMs", "20", ProfileName);
    WritePrivateProfileString("Bench", "TimesDisplayTimeMs", std::to_string(displayMs).c_str(),
                              ProfileName);
    WritePrivateProfileString("Bench", "OtherTargetNo", "8", ProfileName);
    WritePrivateProfileString("Bench", "Muted", "1", ProfileName);

    score.resetToStart();
    std::vector<double> achieved;
    MyFrameWindow* window = nullptr;
    // Right and wrong in turn keeps the level where it is.
    Modal::setHook([&](QWidget& w) -> int {
        if (auto* input = qobject_cast<InputDialog*>(&w)) {
            achieved.push_back(double(window->blankedAt - window->shownAt));
            if (int(achieved.size()) > kDrills)
                return IDCANCEL;
            input->edit()->setText(achieved.size() % 2 ? window->displayText : QString("-"));
            input->accept();
            return input->result();
        }
        if (auto* box = qobject_cast<QMessageBox*>(&w)) {
            // OK to what was flashed; No to leaving the drills.
            if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                ok->click();
            else if (QAbstractButton* no = box->button(QMessageBox::No))
                no->click();
            return box->result();
        }
        return IDOK;
    });
    mon = new LessonMonitor(nullptr, 4);
    mon->SetupWindow();
    Client = new MyZWindow;
    window = new MyFrameWindow(mon, mon, "SkimSprinter Drills");
    Word = window;
    window->Create();
    window->show();
    QTimer::singleShot(0, window, [window] { window->Command(48); });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!window->drillRunning && int(achieved.size()) > kDrills)
            qApp->quit();
    });
    poll.start(50);
    qApp->exec();
    Modal::clearHook();
    delete window;
    delete mon;
    mon = nullptr;
    achieved.resize(kDrills);
    return achieved;
}

void BM_FlashDuration(benchmark::State& state) {
    const int requested = int(state.range(0));
    std::vector<double> achieved;
    for (auto _ : state) {
        achieved = runSeries(requested);
        state.SetIterationTime(1e-3 * (requested * kDrills));
    }
    const Figures f = summarise(achieved);
    state.counters["requested_ms"] = requested;
    state.counters["median_ms"] = f.median;
    state.counters["p95_ms"] = f.p95;
    state.counters["max_ms"] = f.max;
    std::printf("flash %d ms requested: achieved median %.1f ms, p95 %.1f ms, max %.1f ms over %d "
                "drills\n",
                requested, f.median, f.p95, f.max, kDrills);
}

BENCHMARK(BM_FlashDuration)->Arg(25)->Arg(60)->Iterations(1)->UseManualTime();

} // namespace

int main(int argc, char** argv) {
    return runBenchmarksInApplication(argc, argv);
}
