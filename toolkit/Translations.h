#pragma once

#include <QString>

namespace toolkit {

// Shows the program, and Qt's own dialogs, in the user's language (LANGUAGE, LC_ALL,
// LC_MESSAGES or LANG) where a translation is installed beside the program or in the build
// folder. English, a language without a translation, or one that cannot be loaded, keeps the
// program's own English texts.
void InstallTranslations();

// Where the program's translations are looked for, in order.
QStringList TranslationFolders();

} // namespace toolkit
