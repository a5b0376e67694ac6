#include "CommandLine.h"

#include "results/ResultsFile.h"
#include "toolkit/Application.h"
#include "toolkit/Modules.h"
#include "toolkit/Say.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

namespace {

// The status once the answer is on its way: an answer that could not be written (a full disk,
// a closed pipe) is an error, as it is for the GNU tools.
int Written()
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    toolkit::Say(std::string("write error: ") + std::strerror(errno));
    return 1;
}

// Every recorded test, or every answer, of every title or of one, as CSV, whole: a file that
// cannot be read, or a read that fails on the way, is an error; no file at all is an empty list.
int PrintResults(bool answers, const std::optional<std::string>& title)
{
    const std::string path = results::DefaultResultsPath();
    QString whyNot;
    using Print = bool(const std::string&, bool, const std::string*, std::string&, std::string&);
    auto* print = reinterpret_cast<Print*>(
        toolkit::ModuleFunction(QStringLiteral("results-file"), "carrowby_results_csv", whyNot));
    std::string csv, why = whyNot.toStdString();
    if (!print || !print(path, answers, title ? &*title : nullptr, csv, why)) {
        toolkit::Say("the results in " + path + " cannot be read (" + why + ")");
        return 1;
    }
    std::fwrite(csv.data(), 1, csv.size(), stdout); // a title may hold any byte, NUL too
    return Written();
}

} // namespace

std::optional<int> AnswerCommandLine(int& argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    // Qt's own options are written with one dash (-platform): named whole when refused.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Practise arithmetic: sums written as in an exercise book, a verdict after "
                       "every answer, and a score with a letter grade.\nThe settings and the "
                       "title are kept in ${XDG_CONFIG_HOME:-~/.config}/carrowby/registry.reg,\n"
                       "every test in ${XDG_DATA_HOME:-~/.local/share}/carrowby/results.sqlite."));
    // Qt's own help option would offer Qt's options too, which the program does not take.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help and exits."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption resultsCsv(
        QStringLiteral("results-csv"),
        QStringLiteral("Prints every recorded test as comma-separated values and exits."));
    const QCommandLineOption answers(
        QStringLiteral("answers"),
        QStringLiteral("With --results-csv, prints every answer instead, one row each."));
    const QCommandLineOption title(QStringLiteral("title"),
                                   QStringLiteral("With --results-csv, prints only the results "
                                                  "recorded under this title."),
                                   QStringLiteral("title"));
    parser.addOptions({resultsCsv, answers, title});
    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments()[0]);
    else if ((parser.isSet(answers) || parser.isSet(title)) && !parser.isSet(resultsCsv))
        error = QStringLiteral("--answers and --title go with --results-csv.");
    if (!error.isEmpty()) {
        toolkit::Say(error.toStdString() + " Try 'carrowby --help'.");
        return 2;
    }
    if (parser.isSet(help)) {
        const QCoreApplication application(argc, argv); // names the program in the usage
        std::fputs(qPrintable(parser.helpText()), stdout);
        return Written();
    }
    if (parser.isSet(resultsCsv))
        return PrintResults(parser.isSet(answers),
                            parser.isSet(title) ? std::optional(parser.value(title).toStdString())
                                                : std::nullopt);
    if (parser.isSet(version)) {
        std::printf("carrowby %s\n", toolkit::VersionText().c_str());
        return Written();
    }
    return std::nullopt;
}
