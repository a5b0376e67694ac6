// The export a spreadsheet is given, read back as LibreOffice Calc reads it (comma and semicolon
// both separators, as its import offers, in the language's own settings) and each cell told with
// its type: in English and French, headers and words in the language, names whole with accents,
// each field in its column, numbers as numbers, times as dates, lists and signs as text.

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

// Each row of a flat ODF spreadsheet, its cells "type value" joined by " | ", up to its last
// cell with something in it: "date 2026-12-01T08:00:00", "float 4.2", "string Zoé".
QStringList Cells(QFile& spreadsheet)
{
    QStringList rows;
    QStringList cells;
    QXmlStreamReader xml(&spreadsheet);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"table-row") {
            while (!cells.isEmpty() && cells.last().isEmpty())
                cells.removeLast();
            if (!cells.isEmpty())
                rows << cells.join(" | ");
            cells.clear();
        }
        if (!xml.isStartElement() || xml.name() != u"table-cell")
            continue;
        const auto attributes = xml.attributes();
        const QString type = attributes.value("office:value-type").toString();
        const QString value = type == u"date"    ? attributes.value("office:date-value").toString()
                              : type == u"float" ? attributes.value("office:value").toString()
                                                 : QString();
        const int repeated = std::max(1, attributes.value("table:number-columns-repeated").toInt());
        const QString text =
            xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
        for (int copy = 0; copy < std::min(repeated, 64); ++copy)
            cells << (type.isEmpty() ? QString() : type + u' ' + (value.isEmpty() ? text : value));
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
    // language, LibreOffice's number for it, the tests, then the answers, each row as read back
    const std::tuple<const char*, const char*, QStringList> rows[] = {
        {"en",
         "1033",
         {"string Test | string Started | string Ended | string Title | string Operations | "
          "string Numbers ticked | string Difficulty | string Problems | string Time limit "
          "(seconds) | string Correct | string Incorrect | string Unanswered | string Percentage | "
          "string Grade | string How it ended | string Practice",
          "float 7 | date 2026-12-01T08:00:00 | date 2026-12-01T08:03:05 | string Zoé's Carrowby | "
          "string '+- | string 3, 7 | string Hard | float 10 | float 0 | float 9 | float 1 | "
          "float 0 | float 90 | string A- | string Finished | float 0",
          "string Title | string Started | string Problem | string Operation | string Numbers | "
          "string Right answer | string Typed | string Right | string Seconds | string Practice",
          "string Zoé's Carrowby | date 2026-12-01T08:00:00 | float 2 | string x | string 17, 9 | "
          "float 153 | float 153 | float 1 | float 4.2 | float 0",
          "string Ærø, \"Jo\"; Núñez | date 2026-12-01T08:00:00 | float 3 | string / | "
          "string 56, 8 | float 7 | string 7x | float 0 | float 12.5 | float 1"}},
        {"fr",
         "1036",
         {"string Test | string Début | string Fin | string Titre | string Opérations | "
          "string Nombres cochés | string Niveau | string Calculs | string Délai (secondes) | "
          "string Justes | string Fausses | string Sans réponse | string Pourcentage | "
          "string Note | string Comment il a fini | string Révision",
          "float 7 | date 2026-12-01T08:00:00 | date 2026-12-01T08:03:05 | string Zoé's Carrowby | "
          "string '+- | string 3, 7 | string Difficile | float 10 | float 0 | float 9 | float 1 | "
          "float 0 | float 90 | string A- | string Terminé | float 0",
          "string Titre | string Début | string Calcul | string Opération | string Nombres | "
          "string Bonne réponse | string Tapé | string Juste | string Secondes | string Révision",
          "string Zoé's Carrowby | date 2026-12-01T08:00:00 | float 2 | string x | string 17, 9 | "
          "float 153 | float 153 | float 1 | float 4.2 | float 0",
          "string Ærø, \"Jo\"; Núñez | date 2026-12-01T08:00:00 | float 3 | string / | "
          "string 56, 8 | float 7 | string 7x | float 0 | float 12.5 | float 1"}}};
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
        QStringList read;
        for (int what = 0; what < 2; ++what) {
            const QString name = QString("%1-%2").arg(language).arg(what);
            QFile written(folder.filePath(name + ".csv"));
            ASSERT_TRUE(written.open(QIODevice::WriteOnly));
            written.write(csv[what].data(), static_cast<qint64>(csv[what].size()));
            written.close();
            QProcess calc;
            calc.start("soffice",
                       {"-env:UserInstallation=file://" + folder.filePath("profile"), "--headless",
                        QString("--infilter=CSV:44/59,34,76,1,,") + code, "--convert-to", "fods",
                        "--outdir", folder.filePath("read"), written.fileName()});
            ASSERT_TRUE(calc.waitForFinished(120000) && calc.exitCode() == 0)
                << calc.readAllStandardError().toStdString();
            QFile spreadsheet(folder.filePath("read/" + name + ".fods"));
            ASSERT_TRUE(spreadsheet.open(QIODevice::ReadOnly)) << name.toStdString();
            read << Cells(spreadsheet);
        }
        EXPECT_EQ(read.join('\n').toStdString(), expected.join('\n').toStdString()) << language;
    }
}
