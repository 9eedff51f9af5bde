#pragma once

#include <stdexcept>
#include <string>
#include <windows.h>

namespace vorrelin::win32 {

// The system's own words for an error code (a Win32 error or an HRESULT), in the language of
// its user interface.
std::string SystemMessage(DWORD code);

// A call to the system that failed, with the system's reason.
class SystemError : public std::runtime_error {
public:
    SystemError(const char* call, DWORD code)
        : std::runtime_error(std::string(call) + ": " + SystemMessage(code)), code_(code) {}

    DWORD Code() const noexcept { return code_; }

private:
    DWORD code_;
};

// Raises the error that the calling thread's last failed call left.
[[noreturn]] inline void ThrowLastError(const char* call) {
    throw SystemError(call, GetLastError());
}

// Raises a failed COM call's error.
inline void Check(HRESULT result, const char* call) {
    if (FAILED(result)) {
        throw SystemError(call, static_cast<DWORD>(result));
    }
}

} // namespace vorrelin::win32
