// One key through the real Qt window on the offscreen platform, from the
// click to every widget updated.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QPushButton>

#include <string>

#include "CalculatorWindow.h"
#include "KeyCatalogue.h"
#include "PastedText.h"

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

// Clicks the window's buttons for keys written as cambist-keys takes them.
void clickKeys(cambist::CalculatorWindow& window, const std::string& keys) {
    for (const cambist::KeyPress& press : cambist::parseKeys(keys).presses) window.clickKey(press.action->name, press.tag);
}

// The slowest key: an internal rate of return over a full cash-flow list,
// with the table refreshed.
void BM_WindowIrrFullList(benchmark::State& state) {
    cambist::CalculatorWindow window;
    window.show();
    const std::string returns = std::to_string(cambist::MAX_CASH_FLOW_ROWS - 1);
    clickKeys(window, "toggleSimpleComplex 1000 negate addCashFlow " + returns + " setN 2000 / " + returns +
                          " addCashFlow");
    QApplication::processEvents();
    QPushButton* irr = key(window, "calcIY");
    for (auto _ : state) {
        irr->click();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_WindowIrrFullList)->Unit(benchmark::kMillisecond);

// Paste of the longest text the window accepts (an expression of 1,000
// characters), and of texts it refuses: one just past the bound and 100 MB.
void BM_WindowPaste(benchmark::State& state, QString text) {
    cambist::CalculatorWindow window;
    window.show();
    QApplication::clipboard()->setText(text);
    text.clear();
    for (auto _ : state) {
        window.pasteClipboard();
        QApplication::processEvents();
        state.PauseTiming();
        window.clickKey("allClearPressed");
        QApplication::processEvents();
        state.ResumeTiming();
    }
    QApplication::clipboard()->clear();
}
QString longestExpression() {
    QString text = QStringLiteral("1");
    while (text.size() + 2 <= static_cast<qsizetype>(cambist::kMaxPastedLength)) text += QStringLiteral("+1");
    return text;
}
BENCHMARK_CAPTURE(BM_WindowPaste, longest_accepted, longestExpression())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WindowPaste, just_past_the_bound, QString(1001, QLatin1Char('7')))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WindowPaste, refused_100_MB, QString(100'000'000, QLatin1Char('7')))->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
