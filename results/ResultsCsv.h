#pragma once

#include "TestRecord.h"

#include <string>
#include <vector>

namespace results {

// The tests as comma-separated values for a spreadsheet, one row each under a row of the tests
// table's column names. A field with a separator (a comma, or the semicolon that spreadsheets
// split at where the decimal point is a comma), a quote, a tab or a line break is quoted; one that
// a spreadsheet would take for a formula (it begins with =, +, -, @, a tab or a carriage return)
// begins with an apostrophe, so that it stays text.
std::string TestsCsv(const std::vector<TestRow>& tests);

} // namespace results
