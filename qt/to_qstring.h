#pragma once

#include <QString>
#include <string_view>

namespace level::qt {

// The program's UTF-8 texts as Qt's strings.
inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace level::qt
