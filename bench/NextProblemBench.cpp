// How long the main window takes to pose a problem under the settings that reject the most
// draws. A problem must be on the screen within a small fraction of a frame.

#include "drill/ProblemDraw.h"
#include "drill/frmMain.h"
#include "toolkit/Application.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

struct Setting
{
    const char* name;
    int operation;
    int number; // the one ticked number, -1 for none
    int difficulty;
};

// Easy with one operation and one number rejects the most; Hard multiplication rejects the
// products beyond 32 bits.
const Setting Settings[] = {
    {"Easy, Division, only 10", drill::Division, 10, drill::Easy},
    {"Easy, Division, only 1", drill::Division, 1, drill::Easy},
    {"Easy, Subtraction, only 10", drill::Subtraction, 10, drill::Easy},
    {"Easy, Addition, only 0", drill::Addition, 0, drill::Easy},
    {"Medium, Division", drill::Division, -1, drill::Medium},
    {"Hard, Multiplication", drill::Multiplication, -1, drill::Hard},
};

// Counts the random numbers a draw takes.
struct CountedRandom : toolkit::TimeSeededRandom
{
    double Draw() override { return ++draws, toolkit::TimeSeededRandom::Draw(); }
    int64_t draws = 0;
};

// The draw alone, free of widgets, with the mean number of random numbers per problem.
void DrawProblem(benchmark::State& state)
{
    const Setting& setting = Settings[state.range(0)];
    drill::DrillChoice choice;
    choice.operations[setting.operation - 1] = 1;
    if (setting.number >= 0)
        choice.numbers[setting.number] = 1;
    choice.difficulty = static_cast<int16_t>(setting.difficulty);
    CountedRandom random;
    for (auto _ : state)
        benchmark::DoNotOptimize(drill::DrawProblem(choice, random));
    state.SetLabel(setting.name);
    state.counters["random numbers/problem"] =
        benchmark::Counter(static_cast<double>(random.draws), benchmark::Counter::kAvgIterations);
}
BENCHMARK(DrawProblem)->DenseRange(0, std::size(Settings) - 1);

// The window's NextProblem: the draw, the captions and the answer box.
void NextProblem(benchmark::State& state)
{
    const Setting& setting = Settings[state.range(0)];
    frmMain window;
    window.SetProgramEnd([] {});
    const char* operations[] = {"chkAddition", "chkSubtraction", "chkMultiplication",
                                "chkDivision"};
    window.findChild<QCheckBox*>(operations[setting.operation - 1])->setChecked(true);
    if (setting.number >= 0)
        window.findChild<QCheckBox*>(QString("chk%1").arg(setting.number))->setChecked(true);
    window.findChild<QComboBox*>("ctlDifficulty")->setCurrentIndex(setting.difficulty);
    window.findChild<QComboBox*>("ctlNumberOfProblems")->setCurrentIndex(4);
    QMetaObject::invokeMethod(&window, "btnStart_Click"); // the test its problems are posed in
    for (auto _ : state) // the window's own procedure, as its slot
        QMetaObject::invokeMethod(&window, "NextProblem");
    state.SetLabel(setting.name);
}
BENCHMARK(NextProblem)->DenseRange(0, std::size(Settings) - 1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The window loads and saves settings and results: keep them away from the user's own.
    char home[] = "/tmp/carrowby-bench-XXXXXX";
    if (!mkdtemp(home))
        return 2;
    setenv("XDG_CONFIG_HOME", home, 1);
    setenv("XDG_DATA_HOME", home, 1);
    QApplication app(argc, argv);
    toolkit::SetUpApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return 0;
}
