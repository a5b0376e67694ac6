#pragma once

#include "settings/Children.h"

#include <QString>

#include <vector>

namespace drill {

// The name in a title that personalizing made ("Ada" in "Ada's Carrowby"), by the pattern of
// the language shown ("%1's Carrowby") or by the English one; empty in a title made otherwise.
QString NameInTitle(const QString& title, const QString& pattern);

// The child a typed name is: the one of that very name, else the one whose name differs from it
// only in case or in blanks around it; none where the name is new.
const settings::Child* ChildNamed(const std::vector<settings::Child>& children,
                                  const QString& typed);

} // namespace drill
