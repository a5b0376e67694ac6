// How the Results window writes lists of numbers and durations.

#include "windows/ResultsTexts.h"
#include "toolkit/Translations.h"
#include "windows/TimeTicks.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

TEST(ResultsTexts, NumbersAndDurationsAreWrittenShort)
{
    // clang-format off
    const std::pair<std::vector<int>, const char*> lists[] = {{{}, ""}, {{7}, "7"},
        {{2, 5, 7}, "2, 5, 7"}, {{6, 7}, "6, 7"}, {{6, 7, 8, 9}, "6–9"},
        {{0, 1, 2, 3, 8, 9, 10}, "0–3, 8–10"}};
    const std::pair<int64_t, const char*> durations[] = {
        {0, "0:00"}, {59, "0:59"}, {125, "2:05"}, {3600, "1:00:00"}, {3725, "1:02:05"}};
    // clang-format on
    for (const auto& [numbers, text] : lists)
        EXPECT_EQ(resultstexts::NumbersText(numbers).toStdString(), text);
    EXPECT_EQ(resultstexts::NumbersOf("2,10"), std::vector<int>({2, 10}));
    for (const auto& [seconds, text] : durations)
        EXPECT_EQ(resultstexts::DurationText(seconds).toStdString(), text) << seconds;
    EXPECT_EQ(
        resultstexts::FileNameFor("../Bo/Jo\t's \"1\": a*b", "tests", QDate(2026, 12, 1), "csv"),
        "_._Bo_Jo_'s _1__ a_b tests 2026-12-01.csv");
    const QString longest = resultstexts::FileNameFor(QString::fromUtf8("😀").repeated(100),
                                                      "answers", QDate(2026, 12, 1), "csv");
    EXPECT_TRUE(longest.toUtf8().size() <= 255 && longest.isValidUtf16()) << longest.size();
    EXPECT_EQ(resultstexts::SpreadsheetStyle().separator, ',');
}

// Each language counts as it does (French takes 0 as one), dates and gives reasons in its words.
TEST(ResultsTexts, EachLanguageCountsAndDatesAsItWrites)
{
    const QLocale before;
    // language, "%n correct" of 0, 1, 2 and 5, the first and second of December, the numbers
    // ticked: one, then two; the files of a title's tests and of everyone's
    using Text = const char*;
    // clang-format off
    const std::tuple<Text, Text, Text, Text, Text, Text> rows[] = {
        {"de", "0 richtig|1 richtig|2 richtig|5 richtig", "1. Dezember", "2. Dezember",
         "mit der Zahl 7.|mit den Zahlen 3, 7.", "Carrowby Tests|Alle Tests"},
        {"fr", "0 juste|1 juste|2 justes|5 justes", "1er décembre", "2 décembre",
         "avec le nombre 7.|avec les nombres 3, 7.", "tests de Carrowby|tests de tous les enfants"},
        {"es", "0 bien|1 bien|2 bien|5 bien", "1 de diciembre", "2 de diciembre",
         "con el número 7.|con los números 3, 7.", "pruebas de Carrowby|pruebas de todos"},
        {"it", "0 giuste|1 giusta|2 giuste|5 giuste", "1° dicembre", "2 dicembre",
         "con il numero 7.|con i numeri 3, 7.", "prove di Carrowby|prove di tutti"},
        {"pt_BR", "0 certa|1 certa|2 certas|5 certas", "1º de dezembro", "2 de dezembro",
         "com o número 7.|com os números 3, 7.", "testes do Carrowby|testes de todos"}};
    // clang-format on
    for (const auto& [name, correct, first, second, ticked, files] : rows) {
        QTranslator language;
        ASSERT_TRUE(
            language.load(QLocale(name), "carrowby", "_", toolkit::TranslationFolders().last()));
        QCoreApplication::installTranslator(&language);
        QLocale::setDefault(QLocale(name));
        EXPECT_EQ(resultstexts::SpreadsheetStyle().separator, ';') << "beside a decimal comma";
        QStringList counted, numbers, named;
        for (const int n : {0, 1, 2, 5})
            counted << QCoreApplication::translate("frmTestReview", "%n correct", nullptr, n);
        counted << resultstexts::DayText({2026, 12, 1}) << resultstexts::DayText({2026, 12, 2});
        EXPECT_EQ(counted.join('|').toStdString(),
                  std::string(correct) + "|" + first + "|" + second);
        for (const QString listed : {"7", "3, 7"})
            numbers << QCoreApplication::translate(
                           "frmResults",
                           "Ticked in the main window for practice: %1, with the numbers %2.",
                           nullptr, static_cast<int>(listed.count(u',')) + 1)
                           .arg("x", listed)
                           .section(", ", 1);
        EXPECT_EQ(numbers.join('|').toStdString(), ticked) << name;
        for (const auto& whose : {std::optional<QString>("Carrowby"), std::optional<QString>()})
            named << resultstexts::FileNameFor(whose,
                                               QCoreApplication::translate("frmResults", "tests"),
                                               QDate(2026, 12, 1), "csv")
                         .chopped(15);
        EXPECT_EQ(named.join('|').toStdString(), files) << name;
        EXPECT_EQ(resultstexts::ReasonText({"its tests have no column %1", "grade"}),
                  language.translate("results", "its tests have no column %1").arg("grade"));
        EXPECT_NE(language.translate("results", "its tests have no column %1"), "") << name;
        EXPECT_TRUE(resultstexts::WhenText(QDateTime(QDate(2026, 12, 1), QTime(9, 5)))
                        .startsWith(QString(first).section(' ', 0, 0)))
            << name;
        QCoreApplication::removeTranslator(&language);
    }
    QLocale::setDefault(before);
}

// The chart's time axis: as many marks as five, a day apart at least where they name days (25
// hours, for the day the clocks go back), the months over a year; no mark named twice.
TEST(ResultsTexts, TheTimeAxisNamesNoDayTwice)
{
    using resultstexts::TimeScale;
    constexpr int64_t hour = 3600 * 1000, day = 24 * hour;
    const std::tuple<const char*, int64_t, int, TimeScale> rows[] = {
        {"one test's two hours", 2 * hour, 5, TimeScale::Hours},
        {"a day and a half by the hour", 47 * hour, 5, TimeScale::Hours},
        {"two days", 2 * day, 2, TimeScale::Days},
        {"16, 17 and 17 November", 55 * hour, 3, TimeScale::Days},
        {"marks 24 hours apart", 99 * hour, 4, TimeScale::Days},
        {"marks 25 hours apart", 100 * hour, 5, TimeScale::Days},
        {"a year less a day", 364 * day, 5, TimeScale::Days},
        {"a year by the day", 365 * day, 5, TimeScale::Months}};
    for (const auto& [fault, span, count, scale] : rows) {
        const auto ticks = resultstexts::TimeTicksOver(span);
        EXPECT_EQ(std::pair(ticks.count, ticks.scale), std::pair(count, scale)) << fault;
    }
    const QDateTime first(QDate(2026, 11, 16), QTime(9, 30));
    for (int64_t span = 2 * hour; span < 4 * 365 * day; span += span / 7 + 1) {
        const auto ticks = resultstexts::TimeTicksOver(span);
        const char* format = std::array{"d MMM HH:mm", "d MMM", "MMM yyyy"}[int(ticks.scale)];
        QStringList marks;
        for (int mark = 0; mark < ticks.count; ++mark)
            marks << first.addMSecs(span * mark / (ticks.count - 1)).toString(format);
        EXPECT_EQ(marks.removeDuplicates(), 0) << marks.join(", ").toStdString();
    }
}
