#pragma once

// Marks a text of the rules that the window shows in the user's language: the English text is
// its own key, looked up in the context given (lupdate reads this as QT_TRANSLATE_NOOP).
#define TRANSLATABLE(context, text) text
