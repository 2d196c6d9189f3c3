// The full run as a user sees it: Enter pressed in Data until the results are
// painted, in the program's window on Qt's offscreen platform.

#include "Data.h"

#include <Look.h>
#include <Window.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdlib>

namespace {

QString ToQString(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

int Rows(const Window& window, const char* name)
{
    const auto* view = window.findChild<QAbstractItemView*>(QString::fromLatin1(name));
    return view && view->model() ? view->model()->rowCount() : -1;
}

// The process's peak resident set so far, in bytes (Linux reports KiB).
double PeakResidentBytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024.0;
}

void PressEnter(Window& window, std::u16string_view data, std::size_t codes, benchmark::State& state)
{
    window.show();
    auto* dataBox = window.findChild<QLineEdit*>(QStringLiteral("Data"));
    auto* keyLengthBox = window.findChild<QLineEdit*>(QStringLiteral("KWL"));
    if (!dataBox || !keyLengthBox) {
        state.SkipWithError("the window has no Data or KWL box");
        return;
    }
    dataBox->setText(ToQString(data));
    keyLengthBox->setText(ToQString(Bench::StartingKeyLength));
    QApplication::processEvents();

    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(dataBox, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(dataBox, &release);
        // The run leaves its last paints to the event loop; then one full
        // repaint makes sure the final lists are on screen.
        QApplication::processEvents();
        window.repaint();
    }

    const int candidates = Rows(window, "Patterns");
    if (candidates < 0) {
        state.SkipWithError("the window has no Patterns view");
        return;
    }
    state.counters["codes"] = static_cast<double>(codes);
    state.counters["candidates"] = candidates;
    state.counters["repeats"] = Rows(window, "RpPatterns");
    state.counters["per_candidate"] =
        benchmark::Counter(candidates, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    // Peak of the whole process so far: benchmarks run in the order below, so
    // each figure covers the runs registered before it too.
    state.counters["peak_rss"] =
        benchmark::Counter(PeakResidentBytes(), benchmark::Counter::kDefaults, benchmark::Counter::kIs1024);
}

void BM_Window_Starting(benchmark::State& state)
{
    Window window;
    PressEnter(window, Bench::StartingData, 9, state);
}

void BM_Window_Random(benchmark::State& state)
{
    const auto codes = static_cast<std::size_t>(state.range(0));
    Window window;
    PressEnter(window, Bench::RandomCodes(codes), codes, state);
}

void BM_Window_Doubled(benchmark::State& state)
{
    const auto codes = static_cast<std::size_t>(state.range(0));
    Window window;
    PressEnter(window, Bench::DoubledCodes(codes / 2), codes, state);
}

}  // namespace

BENCHMARK(BM_Window_Starting)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_Window_Random)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Window_Doubled)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char* argv[])
{
    // No display needed unless the caller asks for one.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ApplyWindowLook();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
