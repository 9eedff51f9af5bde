#include "platform/win32/error.h"

#include "platform/win32/text.h"

#include <cstdio>

namespace vorrelin::win32 {

std::string SystemMessage(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message(text ? text : L"", length);
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) {
        message.pop_back();
    }
    if (message.empty()) { // a code the system has no words for
        char number[16];
        std::snprintf(number, sizeof number, "0x%08lX", static_cast<unsigned long>(code));
        return number;
    }
    return Narrow(message);
}

} // namespace vorrelin::win32
