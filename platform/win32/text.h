#pragma once

#include <string>
#include <string_view>

namespace vorrelin::win32 {

// The program keeps its text in UTF-8; Windows takes UTF-16. These two are the only places
// where text changes from one to the other. Broken UTF-8 becomes U+FFFD.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

} // namespace vorrelin::win32
