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

namespace {

// Whether the messages' locale is C (or POSIX), as gettext decides it: the first of LC_ALL,
// LC_MESSAGES and LANG that is set, and C where none is. There LANGUAGE is not read: a user who
// asks for C asks for the program's own texts.
bool MessagesInC()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const QByteArray locale = qgetenv(name); !locale.isEmpty())
            return locale == "C" || locale == "POSIX";
    return true;
}

} // namespace

void InstallTranslations()
{
    static QTranslator program, qt;
    // The program's own English, with the plural forms of its texts that show a count.
    const auto english = [] {
        for (const QString& folder : TranslationFolders())
            if (program.load(QStringLiteral("carrowby_en"), folder))
                return void(QCoreApplication::installTranslator(&program));
    };
    if (MessagesInC())
        return english();
    for (QString language : QLocale().uiLanguages()) { // the user's order of preference
        // A tag Qt does not know says nothing, nor the "C" Qt puts after it; "C" alone (LANG=C or
        // POSIX) leaves the program's own English, as nothing else comes.
        if (QLocale(language).language() == QLocale::C)
            continue;
        language.replace(u'-', u'_');
        if (language == u"en" || language.startsWith(u"en_"))
            return QLocale::setDefault(QLocale(language)), english(); // its own language first
        for (const QString& folder : TranslationFolders()) {
            if (program.load(QStringLiteral("carrowby_") + language, folder)) {
                QCoreApplication::installTranslator(&program);
                QLocale::setDefault(QLocale(language)); // dates and lists in it too
                // Qt's own texts (OK, Cancel) in the same language.
                if (qt.load(QStringLiteral("qtbase_") + language,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                    QCoreApplication::installTranslator(&qt);
                return;
            }
        }
    }
    english();
}

} // namespace toolkit
