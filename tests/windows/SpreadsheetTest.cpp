// The CSV a spreadsheet is given, read back as LibreOffice Calc reads it (comma and semicolon
// both taken as separators, as its import offers them): in English and in French, every name
// whole with its accents, each field in its column, numbers as numbers, lists as text.

#include "results/ResultsCsv.h"
#include "windows/ResultsTexts.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

// The cells of the first sheet, row by row: a number's value, else the text shown; the empty
// ones after the last left out.
std::vector<QStringList> Cells(const QString& flatOds)
{
    QFile file(flatOds);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << flatOds.toStdString();
    std::vector<QStringList> rows;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == u"table-row") {
            rows.emplace_back();
        } else if (xml.isStartElement() && xml.name() == u"table-cell" && !rows.empty()) {
            const QString number = xml.attributes().value("office:value").toString();
            const int repeated =
                std::max(1, xml.attributes().value("table:number-columns-repeated").toInt());
            const QString text =
                xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            for (int cell = 0; cell < repeated && !text.isEmpty(); ++cell)
                rows.back() << (number.isEmpty() ? text : "=" + number);
        }
    }
    return rows;
}

} // namespace

TEST(Spreadsheet, ReadsTheExportAsItWasWritten)
{
    const std::vector<results::AnswerRow> answers = {
        {"Zoé's Carrowby", "2026-12-01T08:00:00+01:00", {2, 'x', {17, 9}, 153, "153", true, 4.2}},
        {"Ærø, \"Jo\"; Núñez",
         "2026-12-01T08:00:00+01:00",
         {3, '/', {56, 8}, 7, "7x", false, 12.5}},
    };
    const std::vector<QStringList> expected = {
        {"title", "started", "number", "operation", "operands", "right_answer", "given", "correct",
         "seconds"},
        {"Zoé's Carrowby", "2026-12-01T08:00:00+01:00", "=2", "x", "17, 9", "=153", "=153", "=1",
         "=4.2"},
        {"Ærø, \"Jo\"; Núñez", "2026-12-01T08:00:00+01:00", "=3", "/", "56, 8", "=7", "7x", "=0",
         "=12.5"},
    };
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
                    QString("--infilter=CSV:44/59,34,76,1,,") + code, "--convert-to", "fods",
                    "--outdir", folder.path(), written.fileName()});
        ASSERT_TRUE(calc.waitForFinished(120000) && calc.exitCode() == 0)
            << calc.readAllStandardError().toStdString();
        const std::vector<QStringList> read = Cells(folder.filePath(QString(language) + ".fods"));
        ASSERT_EQ(read.size(), expected.size()) << language;
        for (size_t row = 0; row < read.size(); ++row)
            EXPECT_EQ(read[row].join(" | ").toStdString(), expected[row].join(" | ").toStdString())
                << language;
    }
}
