#pragma once

#include "ColumnNames.h"
#include "TestRecord.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The columns of the tests table, declared once: what the file's schema holds, what is written
// and read back, the CSV's columns and the Tests table's follow from this list, in its order.
namespace results {

// When the recorder writes a column.
enum class Written
{
    Key,            // SQLite numbers the test
    AtStart,        // with the test's row
    WithEachAnswer, // the status after every answer
    AtEnd           // once the test ends
};

// How the Tests table writes a column's value.
enum class Shown
{
    Hidden, // not in the table
    Date,   // the date and time, as the language writes them
    Took,   // how long from the start to the end, in minutes and seconds
    Text,
    Number,
    Sums,       // the operations, with the numbers where the level uses them
    Difficulty, // the main window's word for it
    TimeLimit,  // minutes and seconds, or a dash for none
    Ending      // how it ended, in words
};

// Where a test's row keeps a column's value.
using TestField = std::variant<int64_t TestRow::*, std::optional<int64_t> TestRow::*,
                               std::string TestRow::*, std::optional<EndReason> TestRow::*>;

struct TestColumn
{
    const char* name;     // in the file, and the CSV's header for a program
    const char* exported; // the CSV's header for a spreadsheet, in the language shown
    TestField field;
    Written written;
    Shown shown;
    const char* header = nullptr; // in the Tests table, where it is shown
    // The schema's version that brought it: a file of an older one is read without it.
    int since = 1;
};

inline constexpr TestColumn TestColumns[] = {
    {"id", TRANSLATABLE("Spreadsheet", "Test"), &TestRow::id, Written::Key, Shown::Hidden},
    {"started", TRANSLATABLE("Spreadsheet", "Started"), &TestRow::started, Written::AtStart,
     Shown::Date, TRANSLATABLE("TestsModel", "Date")},
    {"ended", TRANSLATABLE("Spreadsheet", "Ended"), &TestRow::ended, Written::AtEnd, Shown::Took,
     TRANSLATABLE("TestsModel", "Took")},
    {"title", TRANSLATABLE("Spreadsheet", "Title"), &TestRow::title, Written::AtStart,
     Shown::Hidden},
    {"operations", TRANSLATABLE("Spreadsheet", "Operations"), &TestRow::operations,
     Written::AtStart, Shown::Sums, TRANSLATABLE("TestsModel", "Sums")},
    {"numbers", TRANSLATABLE("Spreadsheet", "Numbers ticked"), &TestRow::numbers, Written::AtStart,
     Shown::Hidden},
    {"difficulty", TRANSLATABLE("Spreadsheet", "Difficulty"), &TestRow::difficulty,
     Written::AtStart, Shown::Difficulty, TRANSLATABLE("TestsModel", "Difficulty")},
    {"problems", TRANSLATABLE("Spreadsheet", "Problems"), &TestRow::problems,
     Written::WithEachAnswer, Shown::Hidden},
    {"time_limit", TRANSLATABLE("Spreadsheet", "Time limit (seconds)"), &TestRow::timeLimit,
     Written::AtStart, Shown::TimeLimit, TRANSLATABLE("TestsModel", "Time")},
    {"correct", TRANSLATABLE("Spreadsheet", "Correct"), &TestRow::correct, Written::WithEachAnswer,
     Shown::Number, TRANSLATABLE("TestsModel", "Correct")},
    {"incorrect", TRANSLATABLE("Spreadsheet", "Incorrect"), &TestRow::incorrect,
     Written::WithEachAnswer, Shown::Number, TRANSLATABLE("TestsModel", "Incorrect")},
    {"unanswered", TRANSLATABLE("Spreadsheet", "Unanswered"), &TestRow::unanswered,
     Written::WithEachAnswer, Shown::Number, TRANSLATABLE("TestsModel", "Unanswered")},
    {"percentage", TRANSLATABLE("Spreadsheet", "Percentage"), &TestRow::percentage,
     Written::WithEachAnswer, Shown::Number, TRANSLATABLE("TestsModel", "%")},
    {"grade", TRANSLATABLE("Spreadsheet", "Grade"), &TestRow::grade, Written::WithEachAnswer,
     Shown::Text, TRANSLATABLE("TestsModel", "Grade")},
    {"end_reason", TRANSLATABLE("Spreadsheet", "How it ended"), &TestRow::endReason, Written::AtEnd,
     Shown::Ending, TRANSLATABLE("TestsModel", "Ended")},
    {"practice", TRANSLATABLE("Spreadsheet", "Practice"), &TestRow::practice, Written::AtStart,
     Shown::Hidden, nullptr, 4},
};

// The columns written at any of these moments, in their order.
std::vector<const TestColumn*> ColumnsWritten(std::initializer_list<Written> moments);

// A column's value as the file and the CSV hold it: a number's digits (none for no number), a
// way of ending's word.
std::string StoredText(const TestRow& test, const TestColumn& column);

} // namespace results
