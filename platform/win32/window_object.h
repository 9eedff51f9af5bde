#pragma once

#include "platform/win32/error.h"

#include <windows.h>

namespace vorrelin::win32 {

// The object behind a window of the program's own class: handed over as CreateWindowExW's last
// argument and kept in the window's user data from WM_NCCREATE on. Null before then, and after
// the object lets its window go.
template <typename Object>
Object* ObjectOf(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    return reinterpret_cast<Object*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// Registers a window class of the program's, unless an earlier window of it already has.
inline void RegisterOnce(const WNDCLASSEXW& windowClass) {
    WNDCLASSEXW registered{};
    registered.cbSize = sizeof registered;
    if (GetClassInfoExW(windowClass.hInstance, windowClass.lpszClassName, &registered)) {
        return;
    }
    if (!RegisterClassExW(&windowClass)) {
        ThrowLastError("RegisterClassExW");
    }
}

} // namespace vorrelin::win32
