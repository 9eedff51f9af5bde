#pragma once

#include <objbase.h>
#include <utility>
#include <windows.h>

// The system's handles, each given back exactly once, on every path, by one owner.
namespace vorrelin::win32 {

// The owner of a handle of some kind. A kind names its handle (the value itself, or with what
// giving it back needs beside it), the value that holds nothing, whether a value holds
// something, and the call that gives it back. An owner moves and is never copied; the one
// moved from holds nothing, and one moved onto gives its old handle to the other, which gives
// it back in turn.
template <typename Kind>
class Owned {
public:
    using Handle = typename Kind::Handle;

    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    Owned(Owned&& other) noexcept : handle_(other.Release()) {}
    Owned& operator=(Owned&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    ~Owned() {
        if (Kind::Holds(handle_)) {
            Kind::GiveBack(handle_);
        }
    }

    const Handle& Get() const { return handle_; }
    explicit operator bool() const { return Kind::Holds(handle_); }
    // Hands the handle on, to the system or to code that gives it back itself.
    Handle Release() { return std::exchange(handle_, Kind::kNone); }

private:
    Handle handle_ = Kind::kNone;
};

// The kinds whose null handle holds nothing.
template <typename H>
struct NullIsNone {
    using Handle = H;
    static inline const H kNone = nullptr;
    static bool Holds(H handle) { return handle != nullptr; }
};

// A window that the program made. The owner first takes its object out of the window's user
// data, so that the window procedure finds no object while the window is torn down, however
// far the object itself has got. When Windows destroys the window first, as it does when the
// user closes it or when its parent goes, the window procedure releases it at WM_NCDESTROY, and
// nothing is destroyed twice.
struct WindowKind : NullIsNone<HWND> {
    static void GiveBack(HWND window) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
};
using OwnedWindow = Owned<WindowKind>;

// A GDI object, such as a font, a bitmap or a region.
template <typename H>
struct GdiKind : NullIsNone<H> {
    static void GiveBack(H object) { DeleteObject(object); }
};
template <typename H>
using GdiObject = Owned<GdiKind<H>>;

struct MenuKind : NullIsNone<HMENU> {
    static void GiveBack(HMENU menu) { DestroyMenu(menu); }
};
using OwnedMenu = Owned<MenuKind>;

struct AcceleratorKind : NullIsNone<HACCEL> {
    static void GiveBack(HACCEL table) { DestroyAcceleratorTable(table); }
};
using AcceleratorTable = Owned<AcceleratorKind>;

// A file, or another kernel object opened as one; an invalid handle holds nothing.
struct FileKind {
    using Handle = HANDLE;
    static inline const HANDLE kNone = INVALID_HANDLE_VALUE;
    static bool Holds(HANDLE file) { return file != INVALID_HANDLE_VALUE; }
    static void GiveBack(HANDLE file) { CloseHandle(file); }
};
using OwnedFile = Owned<FileKind>;

// A block of global memory, until the clipboard takes it.
struct GlobalMemoryKind : NullIsNone<HGLOBAL> {
    static void GiveBack(HGLOBAL memory) { GlobalFree(memory); }
};
using GlobalMemory = Owned<GlobalMemoryKind>;

// A device context made for drawing in memory.
struct MemoryDcKind : NullIsNone<HDC> {
    static void GiveBack(HDC dc) { DeleteDC(dc); }
};
using MemoryDc = Owned<MemoryDcKind>;

// A window's device context, lent by GetDC or GetWindowDC; null if the system has none to give.
struct WindowDcKind {
    struct Handle {
        HWND window;
        HDC dc;
    };
    static inline const Handle kNone{};
    static bool Holds(const Handle& lent) { return lent.dc != nullptr; }
    static void GiveBack(const Handle& lent) { ReleaseDC(lent.window, lent.dc); }
};
using WindowDc = Owned<WindowDcKind>;

// The device context of a whole window, its frame included.
inline WindowDc WholeWindowDc(HWND window) {
    return WindowDc({window, GetWindowDC(window)});
}

// The device context of a window's client area.
inline WindowDc ClientDc(HWND window) {
    return WindowDc({window, GetDC(window)});
}

// An object selected into a device context, until the one it replaced is selected back.
struct SelectionKind {
    struct Handle {
        HDC dc;
        HGDIOBJ replaced;
    };
    static inline const Handle kNone{};
    static bool Holds(const Handle& selection) {
        return selection.replaced != nullptr && selection.replaced != HGDI_ERROR;
    }
    static void GiveBack(const Handle& selection) { SelectObject(selection.dc, selection.replaced); }
};
using Selection = Owned<SelectionKind>;

inline Selection Select(HDC dc, HGDIOBJ object) {
    return Selection({dc, SelectObject(dc, object)});
}

// A paint of a window, from BeginPaint to EndPaint. The device context is null if the system
// has none to give; the update region is validated either way.
struct PaintKind {
    struct Handle {
        HWND window;
        PAINTSTRUCT paint;
    };
    static inline const Handle kNone{};
    static bool Holds(const Handle& paint) { return paint.window != nullptr; }
    static void GiveBack(const Handle& paint) { EndPaint(paint.window, &paint.paint); }
};
using OwnedPaint = Owned<PaintKind>;

inline OwnedPaint BeginPaintOf(HWND window) {
    PAINTSTRUCT paint{};
    BeginPaint(window, &paint);
    return OwnedPaint({window, paint});
}

// The clipboard, opened for a window; it holds nothing if it could not be opened.
struct ClipboardKind {
    using Handle = bool;
    static inline const bool kNone = false;
    static bool Holds(bool open) { return open; }
    static void GiveBack(bool) { CloseClipboard(); }
};
using OpenedClipboard = Owned<ClipboardKind>;

inline OpenedClipboard OpenClipboardFor(HWND owner) {
    return OpenedClipboard(OpenClipboard(owner) != 0);
}

// The calling thread's part in COM, as the system's dialogs and codecs need it; a thread may
// hold it more than once.
struct ComKind {
    using Handle = HRESULT;
    static inline const HRESULT kNone = CO_E_NOTINITIALIZED;
    static bool Holds(HRESULT joined) { return SUCCEEDED(joined); }
    static void GiveBack(HRESULT) { CoUninitialize(); }
};
using ComApartment = Owned<ComKind>;

inline ComApartment JoinComApartment() {
    return ComApartment(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

} // namespace vorrelin::win32
