// The CSV a spreadsheet is given, read back as LibreOffice Calc reads it (comma and semicolon both
// separators, as its import offers) and written out again, text quoted and numbers bare: in English
// and French, names whole with accents, each field in its column, numbers as such, lists as text.

#include "results/ResultsCsv.h"
#include "windows/ResultsTexts.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(Spreadsheet, ReadsTheExportAsItWasWritten)
{
    const std::vector<results::AnswerRow> answers = {
        {"Zoé's Carrowby", "2026-12-01T08:00:00+01:00", {2, 'x', {17, 9}, 153, "153", true, 4.2}},
        {"Ærø, \"Jo\"; Núñez",
         "2026-12-01T08:00:00+01:00",
         {3, '/', {56, 8}, 7, "7x", false, 12.5}},
    };
    const std::string expected =
        "\"title\",\"started\",\"number\",\"operation\",\"operands\",\"right_answer\",\"given\","
        "\"correct\",\"seconds\"\n"
        "\"Zoé's Carrowby\",\"2026-12-01T08:00:00+01:00\",2,\"x\",\"17, 9\",153,153,1,4.2\n"
        "\"Ærø, \"\"Jo\"\"; Núñez\",\"2026-12-01T08:00:00+01:00\",3,\"/\",\"56, "
        "8\",7,\"7x\",0,12.5\n";
    QTemporaryDir folder;
    for (const auto& [language, code] : {std::pair{"en", "1033"}, std::pair{"fr", "1036"}}) {
        const QLocale before;
        QLocale::setDefault(QLocale(language));
        const std::string csv = results::AnswersCsv(answers, resultstexts::SpreadsheetStyle());
        QLocale::setDefault(before);
        QFile written(folder.filePath(QString(language) + ".csv"));
        ASSERT_TRUE(written.open(QIODevice::WriteOnly));
        written.write(csv.data(), static_cast<qint64>(csv.size()));
        written.close();
        QProcess calc;
        calc.start("soffice",
                   {"-env:UserInstallation=file://" + folder.filePath("profile"), "--headless",
                    QString("--infilter=CSV:44/59,34,76,1,,") + code, "--convert-to",
                    "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true,true,false", "--outdir",
                    folder.filePath("read"), written.fileName()});
        ASSERT_TRUE(calc.waitForFinished(120000) && calc.exitCode() == 0)
            << calc.readAllStandardError().toStdString();
        QFile read(folder.filePath("read/" + QString(language) + ".csv"));
        ASSERT_TRUE(read.open(QIODevice::ReadOnly)) << language;
        EXPECT_EQ(QString::fromUtf8(read.readAll()).remove(u'\r').toStdString(), expected)
            << language;
    }
}
