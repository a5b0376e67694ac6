// What keeping the results costs: handing an answer to the recorder, which must not hold up its
// verdict (under 5 ms in 95 cases of 100), writing it, opening the Results window over 10,000
// recorded tests (under 300 ms), and where every fact stands over their 100,000 answers.

#include "learning/Facts.h"
#include "results/Database.h"
#include "results/Recorder.h"
#include "results/ResultsReader.h"
#include "toolkit/Clock.h"
#include "windows/ResultsWindow.h"

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

namespace {

// A results file of tests of ten problems each, all of one title, as years of daily drills leave.
void RecordTests(int64_t count)
{
    const std::string path = results::DefaultResultsPath();
    std::filesystem::remove_all(std::filesystem::path(path).parent_path());
    results::Recorder().TestStarted({"Carrowby", "+x", "7", "Easy", 10, 0}, {}); // the schema
    results::Database db;
    db.Open(path, results::Database::Writing, 2000);
    db.Run("BEGIN");
    for (int64_t test = 1; test <= count; ++test) {
        results::Statement(db, "INSERT INTO tests (started, ended, title, operations, numbers, "
                               "difficulty, problems, time_limit, correct, incorrect, percentage, "
                               "grade, end_reason) VALUES ('2026-12-01T08:00:00+01:00', "
                               "'2026-12-01T08:05:00+01:00', 'Carrowby', '+x', '7', 'Easy', 10, "
                               "0, 8, 2, 80, 'B-', 'finished')")
            .Done();
        for (int64_t number = 1; number <= 10; ++number)
            results::Statement(db,
                               "INSERT INTO problems VALUES (?, ?, 'x', '7,3', 21, '21', 1, 1.5)")
                .Bind(test + 1)
                .Bind(number)
                .Done();
    }
    db.Run("COMMIT");
}

void RecordAnswer(benchmark::State& state)
{
    RecordTests(state.range(0));
    results::Recorder recorder;
    recorder.TestStarted({"Carrowby", "+x", "7", "Easy", 100, 0}, {0, 0, 100, 100, "A+"});
    std::vector<double> taken;
    int64_t number = 0;
    for (auto _ : state) {
        recorder.ProblemShown(++number, 'x', {7, 3}, 21);
        const auto start = std::chrono::steady_clock::now();
        recorder.Answered("21", true, {number, 0, 100 - number, 100, "A+"});
        taken.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        if (number == 100) // a new test every hundred answers
            recorder.TestStarted({"Carrowby", "+x", "7", "Easy", 100, 0}, {}), number = 0;
    }
    const auto handed = std::chrono::steady_clock::now();
    recorder.Flush(std::chrono::seconds(60));
    std::sort(taken.begin(), taken.end());
    state.counters["p95_ms"] = taken[taken.size() * 95 / 100];
    state.counters["written_ms"] =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - handed)
            .count() /
        static_cast<double>(taken.size());
}
BENCHMARK(RecordAnswer)->Arg(0)->Arg(10000)->Iterations(2000)->Unit(benchmark::kMillisecond);

void OpenResultsWindow(benchmark::State& state)
{
    RecordTests(state.range(0));
    QString why;
    for (auto _ : state) {
        ResultsWindow* window =
            ResultsWindow::Open({.path = results::DefaultResultsPath(),
                                 .bands = {{"A", 90}, {"F", 0}},
                                 .clock = std::make_shared<toolkit::SystemClock>(),
                                 .fluency = [](const QString&) { return 3; }},
                                why);
        window->Refresh("Carrowby", {});
        window->Window()->show();
        QCoreApplication::processEvents(); // laid out and drawn
        delete window->Window();
    }
}
BENCHMARK(OpenResultsWindow)->Arg(10000)->Unit(benchmark::kMillisecond);

// Where every fact stands over every answer of 10,000 tests, read from the file: the table of
// facts the Results window shows (under 100 ms over 100,000 answers).
void FactTableOf(benchmark::State& state)
{
    RecordTests(state.range(0));
    for (auto _ : state) {
        results::ResultsReader reader;
        reader.Open();
        learning::FactTable facts;
        reader.ForEachAnswer("Carrowby",
                             [&](const results::AnsweredProblem& answer) { facts.Add(answer); });
        benchmark::DoNotOptimize(facts.ToLearn());
        benchmark::DoNotOptimize(facts.ToTick());
    }
}
BENCHMARK(FactTableOf)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
