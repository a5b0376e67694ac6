// The results file's module: SQLite's writer and reader of it, loaded once a test is to be
// recorded or the tests are to be printed, so that an ordinary start loads none of SQLite.

#include "ResultsCsv.h"
#include "ResultsReader.h"
#include "ResultsWriter.h"

extern "C" {

[[gnu::visibility("default")]] results::TestWriter* carrowby_results_writer(const std::string& path)
{
    return new results::ResultsWriter(path);
}

// Every recorded test, or every answer, of every title or of one, as CSV, whole; false, with
// why, where the file cannot be read or a read fails on the way. No file at all is no test.
[[gnu::visibility("default")]] bool carrowby_results_csv(const std::string& path, bool answers,
                                                         const std::string* title, std::string& csv,
                                                         std::string& why)
{
    results::ResultsReader reader(path);
    const bool opened = reader.Open();
    why = reader.Why().English();
    if (!opened && !why.empty())
        return false;
    const auto written =
        results::ReadCsv(reader, answers, title ? std::optional(*title) : std::nullopt);
    csv = written.value_or("");
    why = reader.Why().English();
    return written.has_value();
}
}
