#pragma once

#include "TestRecord.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace results {

// How the CSV is written. For a program (the default): RFC 4180, commas, a decimal point, the
// columns' names, and the values as the file keeps them ("3,7", "Easy", "finished", times in ISO
// 8601). For a spreadsheet of a language: its separator and decimal sign (a semicolon and a comma
// where the language writes decimals with a comma), a byte order mark that says the text is
// UTF-8, lists with a blank after each comma ("3, 7"), which no spreadsheet takes for a number,
// and, where it is given them, the headers and words of that language and the times as its
// spreadsheet reads a date and time.
struct CsvStyle
{
    char separator = ',';
    char decimal = '.';
    bool spreadsheet = false;
    // A text of the record (a column's header, a level, a way of ending) in the language, found
    // by its context and its English words.
    std::function<std::string(const char* context, const char* english)> translated;
    // A time kept in ISO 8601, as the spreadsheet reads a date and time.
    std::function<std::string(const std::string& kept)> time;
};

// One answer with the test it was given in (the columns of the tests table the file has).
struct AnswerRow
{
    TestRow test;
    ProblemRow problem;
};

// The tests, one row each under a row of the tests table's columns; every answer, one row each
// under "title,started" (which name its test), the problems table's columns but the test's id,
// and "practice" (whether its test was a practice). A field with a separator (a comma, or the
// semicolon that spreadsheets split at where the decimal point is a comma), a quote, a tab or a
// line break is quoted; one that a spreadsheet would take for a formula (it begins with =, +, -,
// @, a tab or a carriage return) begins with an apostrophe, so that it stays text.
std::string TestsCsv(const std::vector<TestRow>& tests, const CsvStyle& style = {});
std::string AnswersCsv(const std::vector<AnswerRow>& answers, const CsvStyle& style = {});

class ResultsReader;
// The tests, or every answer, of one title or of every title, read whole; nothing where they
// cannot be read (the reader says why).
std::optional<std::string> ReadCsv(ResultsReader& reader, bool answers,
                                   const std::optional<std::string>& title,
                                   const CsvStyle& style = {});

} // namespace results
