#pragma once

#include <QString>

#include <string>

namespace toolkit {

// The plain C++ parts hold text as UTF-8.
inline QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace toolkit
