// The export read back as LibreOffice Calc reads it (comma and semicolon both separators, in the
// language's settings), each cell with its type: in English and French, words in the language,
// names whole, each field in its column, numbers as numbers, times as dates, lists, signs as text.

#include "results/ResultsCsv.h"
#include "toolkit/Translations.h"
#include "windows/ResultsTexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

// Each row of a flat ODF spreadsheet, up to its last cell with something in it, each cell its
// type's letter and its value: "d2026-12-01T08:00:00" (a date), "f4.2" (a number), "sZoé" (text).
QStringList Cells(QFile& spreadsheet)
{
    QStringList rows, cells;
    QXmlStreamReader xml(&spreadsheet);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"table-row") {
            while (!cells.isEmpty() && cells.last().isEmpty())
                cells.removeLast();
            if (!cells.isEmpty())
                rows << cells.join('|');
            cells.clear();
        }
        if (!xml.isStartElement() || xml.name() != u"table-cell")
            continue;
        const auto attributes = xml.attributes();
        const QString type = attributes.value("office:value-type").left(1).toString();
        const QString value =
            attributes.value(type == "d" ? "office:date-value" : "office:value").toString();
        const int repeated = attributes.value("table:number-columns-repeated").toInt();
        const QString text =
            xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
        for (int copy = 0; copy < std::clamp(repeated, 1, 64); ++copy)
            cells << (type.isEmpty() ? QString() : type + (value.isEmpty() ? text : value));
    }
    return rows;
}

} // namespace

TEST(Spreadsheet, ReadsTheExportInItsLanguageWithItsDatesAndNumbers)
{
    results::TestRow test;
    static_cast<results::TestSetup&>(test) = {"Zoé's Carrowby", "+-", "3,7", "Hard", 10, 0, 0};
    static_cast<results::Score&>(test) = {9, 1, 0, 90, "A-"};
    test.id = 7, test.endReason = results::EndReason::Finished;
    const QDateTime started(QDate(2026, 12, 1), QTime(8, 0)); // local, as the file keeps it
    test.started = started.toString(Qt::ISODate).toStdString();
    test.ended = started.addSecs(185).toString(Qt::ISODate).toStdString();
    results::TestRow practice = test;
    practice.title = "Ærø, \"Jo\"; Núñez", practice.practice = 1;
    const std::vector<results::AnswerRow> answers = {
        {test, {2, 'x', {17, 9}, 153, "153", true, 4.2}},
        {practice, {3, '/', {56, 8}, 7, "7x", false, 12.5}}};
    const QStringList answered = {
        "sZoé's Carrowby|d2026-12-01T08:00:00|f2|sx|s17, 9|f153|f153|f1|f4.2|f0",
        "sÆrø, \"Jo\"; Núñez|d2026-12-01T08:00:00|f3|s/|s56, 8|f7|s7x|f0|f12.5|f1"};
    // language, LibreOffice's number for it, the tests, then the answers, as read back
    // clang-format off
    const std::tuple<const char*, const char*, QStringList> rows[] = {
        {"en", "1033", {"sTest|sStarted|sEnded|sTitle|sOperations|sNumbers ticked|sDifficulty|"
          "sProblems|sTime limit (seconds)|sCorrect|sIncorrect|sUnanswered|sPercentage|sGrade|"
          "sHow it ended|sPractice", "f7|d2026-12-01T08:00:00|d2026-12-01T08:03:05|sZoé's Carrowby|"
          "s'+-|s3, 7|sHard|f10|f0|f9|f1|f0|f90|sA-|sFinished|f0", "sTitle|sStarted|sProblem|"
          "sOperation|sNumbers|sRight answer|sTyped|sRight|sSeconds|sPractice"}},
        {"fr", "1036", {"sTest|sDébut|sFin|sTitre|sOpérations|sNombres cochés|sNiveau|sCalculs|"
          "sDélai (secondes)|sJustes|sFausses|sSans réponse|sPourcentage|sNote|"
          "sComment il a fini|sRévision", "f7|d2026-12-01T08:00:00|d2026-12-01T08:03:05|"
          "sZoé's Carrowby|s'+-|s3, 7|sDifficile|f10|f0|f9|f1|f0|f90|sA-|sTerminé|f0", "sTitre|"
          "sDébut|sCalcul|sOpération|sNombres|sBonne réponse|sTapé|sJuste|sSecondes|sRévision"}}};
    // clang-format on
    QTemporaryDir folder;
    for (const auto& [language, code, expected] : rows) {
        const QLocale before;
        QTranslator translation;
        if (QString(language) != "en" && translation.load(QLocale(language), "carrowby", "_",
                                                          toolkit::TranslationFolders().last()))
            QCoreApplication::installTranslator(&translation);
        QLocale::setDefault(QLocale(language));
        const results::CsvStyle style = resultstexts::SpreadsheetStyle();
        const std::string csv[] = {results::TestsCsv({test}, style),
                                   results::AnswersCsv(answers, style)};
        QLocale::setDefault(before);
        QCoreApplication::removeTranslator(&translation);
        QStringList written;
        for (int what = 0; what < 2; ++what) {
            QFile file(folder.filePath(QString("%1-%2.csv").arg(language).arg(what)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(csv[what].data(), static_cast<qint64>(csv[what].size()));
            written << file.fileName();
        }
        QProcess calc;
        calc.start("soffice",
                   QStringList{"-env:UserInstallation=file://" + folder.filePath("profile"),
                               "--headless", QString("--infilter=CSV:44/59,34,76,1,,") + code,
                               "--convert-to", "fods", "--outdir", folder.path()} +
                       written);
        ASSERT_TRUE(calc.waitForFinished(120000) && calc.exitCode() == 0)
            << calc.readAllStandardError().toStdString();
        QStringList read;
        for (QString name : written) {
            QFile spreadsheet(name.replace(".csv", ".fods"));
            ASSERT_TRUE(spreadsheet.open(QIODevice::ReadOnly)) << name.toStdString();
            read << Cells(spreadsheet);
        }
        EXPECT_EQ(read.join('\n').toStdString(), (expected + answered).join('\n').toStdString())
            << language;
    }
}
