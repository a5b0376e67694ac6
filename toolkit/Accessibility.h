#pragma once

#include <QString>

namespace toolkit {

// Makes a screen reader name every label by the text it shows, and by nothing when it shows
// nothing, and a rule by nothing: left to itself, Qt names them after the frame they stand in,
// so an empty grade would be announced as "Status".
void NameLabelsByTheirText();

// How a screen reader says an operation sign: "plus", "minus", "times" or "divided by", in the
// user's language.
QString SpokenSign(const QString& sign);

} // namespace toolkit
