// One key through the real Qt window on the offscreen platform, from the
// click to every widget updated.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>

#include "CalculatorWindow.h"

namespace {

QPushButton* key(cambist::CalculatorWindow& window, const char* name) {
    return window.findChild<QPushButton*>(QLatin1String(name));
}

void BM_WindowKey(benchmark::State& state, const char* name, const char* reset) {
    cambist::CalculatorWindow window;
    window.show();
    QApplication::processEvents();
    QPushButton* button = key(window, name);
    QPushButton* undo = key(window, reset);
    for (auto _ : state) {
        button->click();
        // Widgets repaint from the event loop; run it so the update is done.
        QApplication::processEvents();
        state.PauseTiming();
        undo->click();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BM_WindowKey, digit, "digit7", "clearPressed")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_WindowKey, equals, "equalPressed", "allClearPressed")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
