#pragma once

#include "ColumnNames.h"
#include "TestRecord.h"

#include <string>
#include <variant>
#include <vector>

// The columns of the problems table, declared once: what the file's schema holds, what is
// written and read back and the answers' CSV follow from this list, in its order.
namespace results {

// Where an answer's row keeps a column's value.
using ProblemField = std::variant<int64_t ProblemRow::*, char ProblemRow::*, bool ProblemRow::*,
                                  double ProblemRow::*, std::string ProblemRow::*,
                                  std::vector<int64_t> ProblemRow::*>;

struct ProblemColumn
{
    const char* name;     // in the file, and the CSV's header for a program
    const char* exported; // the CSV's header for a spreadsheet, in the language shown
    ProblemField field;
    bool key = false; // the test's id, which the CSV names by the test's title and start instead
    // The schema's version that brought it: a file of an older one is read without it.
    int since = 1;
};

inline constexpr ProblemColumn ProblemColumns[] = {
    {"test", nullptr, &ProblemRow::test, true},
    {"number", TRANSLATABLE("Spreadsheet", "Problem"), &ProblemRow::number},
    {"operation", TRANSLATABLE("Spreadsheet", "Operation"), &ProblemRow::operation},
    {"operands", TRANSLATABLE("Spreadsheet", "Numbers"), &ProblemRow::operands},
    {"right_answer", TRANSLATABLE("Spreadsheet", "Right answer"), &ProblemRow::rightAnswer},
    {"given", TRANSLATABLE("Spreadsheet", "Typed"), &ProblemRow::given},
    {"correct", TRANSLATABLE("Spreadsheet", "Right"), &ProblemRow::correct},
    {"seconds", TRANSLATABLE("Spreadsheet", "Seconds"), &ProblemRow::seconds},
};

// Every column, or every column but the key, in order.
std::vector<const ProblemColumn*> ProblemColumnsListed(bool withKey = true);

// A list of numbers as the file keeps it, "7,3", or with another separator.
std::string ListText(const std::vector<int64_t>& numbers, std::string_view separator = ",");
// The numbers of such a list, into numbers.
template <typename Number> void ReadList(const std::string& text, std::vector<Number>& numbers)
{
    numbers.clear();
    for (size_t at = 0; at < text.size();) {
        const size_t comma = std::min(text.find(',', at), text.size());
        numbers.push_back(static_cast<Number>(std::strtoll(text.c_str() + at, nullptr, 10)));
        at = comma + 1;
    }
}

// A column's value as text, as the file's text and the CSV hold it: a number's digits, the sign,
// the list, 1 or 0, the seconds to a tenth with this decimal sign.
std::string StoredText(const ProblemRow& problem, const ProblemColumn& column, char decimal = '.',
                       std::string_view separator = ",");

} // namespace results
