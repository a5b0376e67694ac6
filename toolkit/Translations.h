#pragma once

#include <QString>

namespace toolkit {

// Shows the program, and Qt's own dialogs, in the first of the user's languages (LANGUAGE, then
// LC_ALL, LC_MESSAGES or LANG) that has a translation beside the program or in the build folder.
// A language Qt does not know is passed over. Where English comes first, or no language has one
// that can be loaded, the program keeps its own English texts, with English's file for the plural
// forms of those that show a count; so it does where the messages' locale is C or POSIX
// (LC_ALL=C), whatever LANGUAGE says, as gettext does. Dates and lists are then written as the
// language chosen writes them.
void InstallTranslations();

// Where the program's translations are looked for, in order.
QStringList TranslationFolders();

} // namespace toolkit
