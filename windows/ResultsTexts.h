#pragma once

#include "results/Reason.h"
#include "results/ResultsCsv.h"
#include "results/ResultsFile.h"
#include "results/TestRecord.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>
#include <string>
#include <vector>

// How the Results window writes what the results keep, in the language shown.
namespace resultstexts {

// Numbers as a list, runs of three or more as a range: "2, 5, 7", "6–9", "0–3, 8".
QString NumbersText(const std::vector<int>& numbers);
// The numbers kept as "3,7".
std::vector<int> NumbersOf(const std::string& stored);

// A kind of test in the language shown: the main window's word for its difficulty, or practice.
QString KindText(const std::string& kind);

// An operation by the main window's name for it: "Multiplication" for 'x'.
QString OperationName(char operation);

// A test's operations, with its numbers where its level uses them: "+ x 6–9".
QString SumsText(const results::TestRow& test);

// A copy of the results file set aside as damaged, by its name, and what was saved from it where
// that is known.
QString SetAsideText(const results::CopySetAside& copy);

// Why something could not be done, in the language shown; the words of another's in it as they
// came.
QString ReasonText(const results::Reason& why);

// A time kept in ISO 8601; invalid where it is none.
QDateTime TimeOf(const std::string& stored);
// The day and the time, short: "8 Dec 10:43".
QString WhenText(const QDateTime& time);
// The day with its month: "1 December", "1er décembre".
QString DayText(const QDate& day);
// Minutes and seconds, with the hours where there are any: "3:25", "1:02:05".
QString DurationText(int64_t seconds);

// A time kept in ISO 8601 as the spreadsheet of the language shown reads a date and time: its
// short date with the year whole, and the time to the second ("08/12/2026 20:47:54").
QString SpreadsheetTime(const std::string& kept);
// CSV as a spreadsheet of the language shown reads it: semicolons where the language writes
// decimals with a comma, else commas; the headers and words in the language, times as times.
results::CsvStyle SpreadsheetStyle();
// The name offered for a file of someone's results, or of every title's ("Tom's Carrowby tests
// 2026-12-08.csv", "Everyone tests 2026-12-08.csv"), with what a file's name cannot hold or a
// file dialog reads otherwise (a slash, a quote, a control character, a dot first...) as "_",
// whose shortened to fit a name's 255 bytes.
QString FileNameFor(const std::optional<QString>& whose, const QString& what, const QDate& day,
                    const QString& extension);

} // namespace resultstexts
