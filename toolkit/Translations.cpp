#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace toolkit {

QStringList TranslationFolders()
{
    const QString program = QCoreApplication::applicationDirPath();
    // Installed: bin/ beside share/carrowby/translations; built: app/ beside translations/.
    return {program + QStringLiteral("/../share/carrowby/translations"),
            program + QStringLiteral("/../translations")};
}

void InstallTranslations()
{
    static QTranslator program, qt;
    const QLocale locale;
    for (const QString& folder : TranslationFolders()) {
        if (program.load(locale, QStringLiteral("carrowby"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(&program);
            break;
        }
    }
    // Qt's own texts (OK, Cancel) only beside a translation of the program's.
    if (!program.isEmpty() && qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
}

} // namespace toolkit
