#pragma once

#include "TestRecord.h"

#include <optional>
#include <string>
#include <vector>

namespace results {

// How the CSV is written. For a program (the default): RFC 4180, commas, a decimal point, and
// lists of numbers as stored ("3,7"). For a spreadsheet of a language: its separator and decimal
// sign (a semicolon and a comma where the language writes decimals with a comma), a byte order
// mark that says the text is UTF-8, and lists with a blank after each comma ("3, 7"), which no
// spreadsheet takes for a number.
struct CsvStyle
{
    char separator = ',';
    char decimal = '.';
    bool spreadsheet = false;
};

// One answer with the test it was given in.
struct AnswerRow
{
    std::string title;
    std::string started;
    ProblemRow problem;
};

// The tests, one row each under a row of the tests table's column names; every answer, one row
// each under "title,started,number,operation,operands,right_answer,given,correct,seconds". A
// field with a separator (a comma, or the semicolon that spreadsheets split at where the decimal
// point is a comma), a quote, a tab or a line break is quoted; one that a spreadsheet would take
// for a formula (it begins with =, +, -, @, a tab or a carriage return) begins with an
// apostrophe, so that it stays text.
std::string TestsCsv(const std::vector<TestRow>& tests, const CsvStyle& style = {});
std::string AnswersCsv(const std::vector<AnswerRow>& answers, const CsvStyle& style = {});

class ResultsReader;
// The tests, or every answer, of one title or of every title, read whole; nothing where they
// cannot be read (the reader says why).
std::optional<std::string> ReadCsv(ResultsReader& reader, bool answers,
                                   const std::optional<std::string>& title,
                                   const CsvStyle& style = {});

} // namespace results
