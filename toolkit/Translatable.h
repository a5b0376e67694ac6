#pragma once

// Marks a text of the rules that the window shows in the user's language: the English text is
// its own key, looked up in the context given (lupdate reads this as QT_TRANSLATE_NOOP).
#define TRANSLATABLE(context, text) text
// The same for a text that shows a count as %n, which each language writes in its plural forms
// (lupdate reads this as QT_TRANSLATE_N_NOOP).
#define TRANSLATABLE_COUNTED(context, text) text
