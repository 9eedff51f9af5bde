#pragma once

#include <objbase.h>
#include <utility>
#include <windows.h>

// Owners for the system's handles, so that each is given back exactly once, on every path.
namespace vorrelin::win32 {

// A window that the program made, destroyed with its owner. The owner first takes its object
// out of the window's user data, so that the window procedure finds no object while the
// window is torn down, however far the object itself has got. When Windows destroys the window
// first, as it does when the user closes it or when its parent goes, the window procedure
// calls Forget at WM_NCDESTROY, and nothing is destroyed twice.
class OwnedWindow {
public:
    OwnedWindow() = default;
    explicit OwnedWindow(HWND window) : window_(window) {}
    OwnedWindow(const OwnedWindow&) = delete;
    OwnedWindow& operator=(const OwnedWindow&) = delete;
    ~OwnedWindow() {
        if (window_) {
            SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
            DestroyWindow(window_);
        }
    }

    HWND Get() const { return window_; }
    // Takes the window just made, or null if none could be.
    void Adopt(HWND window) { window_ = window; }
    void Forget() { window_ = nullptr; }

private:
    HWND window_ = nullptr;
};

// The calling thread's part in COM, as the system's dialogs and codecs need it, from
// construction to destruction; a thread may hold it more than once.
class ComApartment {
public:
    ComApartment()
        : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (SUCCEEDED(result_)) {
            CoUninitialize();
        }
    }

private:
    HRESULT result_;
};

// A GDI object, such as a font, deleted with its owner.
template <typename Handle>
class GdiObject {
public:
    explicit GdiObject(Handle object = nullptr) : object_(object) {}
    GdiObject(GdiObject&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        std::swap(object_, other.object_);
        return *this;
    }
    ~GdiObject() {
        if (object_) {
            DeleteObject(object_);
        }
    }

    Handle Get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    // Hands the object to the system, which deletes it from then on.
    Handle Release() { return std::exchange(object_, nullptr); }

private:
    Handle object_;
};

// A menu, destroyed with its owner.
class OwnedMenu {
public:
    explicit OwnedMenu(HMENU menu) : menu_(menu) {}
    OwnedMenu(const OwnedMenu&) = delete;
    OwnedMenu& operator=(const OwnedMenu&) = delete;
    ~OwnedMenu() {
        if (menu_) {
            DestroyMenu(menu_);
        }
    }

    HMENU Get() const { return menu_; }

private:
    HMENU menu_;
};

// The device context of a whole window, its frame included, released with its owner. Null if
// the system has none to give.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_) {
            ReleaseDC(window_, dc_);
        }
    }

    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A paint of a window, from BeginPaint to EndPaint. The device context is null if the system
// has none to give; the update region is validated either way.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(window_, &paint_); }

    HDC Dc() const { return dc_; }
    const RECT& Area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

} // namespace vorrelin::win32
