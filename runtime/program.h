#pragma once

#include <string_view>

namespace vorrelin {

// The program's name, as the project names it: the title of its reports.
inline constexpr std::string_view kProgramName = VORRELIN_PROGRAM_NAME;

} // namespace vorrelin
