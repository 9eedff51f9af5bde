#pragma once

#include <QString>
#include <string_view>

namespace vorrelin {

// The program keeps its text in UTF-8; Qt takes QString. This is the one place where text
// changes from one to the other on the way in; QString::toStdString gives UTF-8 on the way out.
inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace vorrelin
