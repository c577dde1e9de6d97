// One whole check and one digit click through the real widgets on the
// offscreen platform, driven by real Qt mouse events.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "qt/Application.h"
#include "qt/DigitRow.h"
#include "qt/SequenceForm.h"

namespace {

struct Window {
    Window() : form([](const trivelan::runtime::RuntimeError&) { std::abort(); }) {
        form.show();
        (void)QTest::qWaitForWindowExposed(&form);
    }
    QWidget* Child(const char* name) { return form.findChild<QWidget*>(QString::fromLatin1(name)); }
    trivelan::qt::SequenceForm form;
};

// cppcheck-suppress constParameterCallback
void BM_CheckByMouse(benchmark::State& state) {
    Window window;
    // A balanced, non-palindromic row so both verdicts do their full work.
    for (const char* name : {"Label2(2)", "Label2(3)", "Label2(11)", "Label2(14)"}) {
        QTest::mouseClick(window.Child(name), Qt::LeftButton);
    }
    QWidget* check = window.Child("Command1(0)");
    for (auto _ : state) QTest::mouseClick(check, Qt::LeftButton);
}
BENCHMARK(BM_CheckByMouse)->Unit(benchmark::kMicrosecond);

// The same check through the button's click(): everything but the button's own
// synchronous pressed-state repaints, which Qt does on mouse press and release.
// cppcheck-suppress constParameterCallback
void BM_CheckByClickSlot(benchmark::State& state) {
    Window window;
    for (const char* name : {"Label2(2)", "Label2(3)", "Label2(11)", "Label2(14)"}) {
        QTest::mouseClick(window.Child(name), Qt::LeftButton);
    }
    auto* check = static_cast<QPushButton*>(window.Child("Command1(0)"));
    for (auto _ : state) check->click();
}
BENCHMARK(BM_CheckByClickSlot)->Unit(benchmark::kMicrosecond);

// cppcheck-suppress constParameterCallback
void BM_DigitClick(benchmark::State& state) {
    Window window;
    QTest::mouseClick(window.Child("Command1(0)"), Qt::LeftButton);  // an underline to clear
    QWidget* cell = window.Child("Label2(7)");
    for (auto _ : state) QTest::mouseClick(cell, Qt::LeftButton);
    state.counters["digit"] = static_cast<double>(window.form.Caption(7)[0] - u'0');
    state.counters["expected"] = static_cast<double>(state.iterations() % 10);
}
BENCHMARK(BM_DigitClick)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    trivelan::qt::ConfigureApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
