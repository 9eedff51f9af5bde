#include "platform/win32/picture_box.h"

#include "platform/win32/accessible_picture.h"
#include "platform/win32/error.h"
#include "platform/win32/text.h"
#include "platform/win32/window_object.h"
#include "window/layout.h"

#include <algorithm>
#include <chrono>
#include <windowsx.h>

namespace vorrelin::win32 {

namespace {

constexpr const wchar_t* kClassName = L"VorrelinCurvePictureBox";

double Ratio(UINT dpi) {
    return static_cast<double>(dpi) / kStandardDpi;
}

} // namespace

PictureBox::PictureBox(HWND parent, int id, int side, UINT dpi)
    : raster_(side, side, Ratio(dpi), [this] { Present(); }), dpi_(dpi) {
    const HINSTANCE instance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    RegisterOnce(windowClass);
    window_ = OwnedWindow(CreateWindowExW(
        WS_EX_CLIENTEDGE, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0,
        0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this));
    if (!window_.Get()) {
        ThrowLastError("CreateWindowExW");
    }
}

void PictureBox::Place(int left, int top, UINT dpi) {
    if (dpi != dpi_) {
        raster_.Pixels().ChangeDensity(Ratio(dpi));
        dpi_ = dpi;
    }
    const int edge = GetSystemMetricsForDpi(SM_CXEDGE, dpi);
    SetWindowPos(Handle(), nullptr, left, top, raster_.Pixels().Width() + 2 * edge,
                 raster_.Pixels().Height() + 2 * edge, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, FALSE);
}

// A refresh shown at once paints only what the drawing changed since the last one: at the high
// orders, little more than the pen's square. The time is the tick count, which costs next to
// nothing to read, where a precise clock would cost some 3 per cent of the drawing under Wine;
// its steps of up to 16 ms make a frame one or two of them.
void PictureBox::Present() {
    const RefreshPacer::Action action = pacer_.Refresh(std::chrono::milliseconds(GetTickCount64()));
    if (action == RefreshPacer::Action::Nothing) {
        return;
    }
    const Rect changed = raster_.Pixels().TakeChanged();
    const RECT area{changed.left, changed.top, changed.Right(), changed.Bottom()};
    if (action == RefreshPacer::Action::PaintNow) {
        RedrawWindow(Handle(), &area, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    } else {
        InvalidateRect(Handle(), nullptr, FALSE);
    }
}

// The rows of the invalid rectangle go to the screen as a DIB of their own, which starts at
// the first of them in the surface's buffer. A paint the system refuses leaves a paint due, so
// the next refresh, or the repaint after the handler, tries again.
void PictureBox::Paint() {
    const OwnedPaint paint = BeginPaintOf(Handle());
    const HDC dc = paint.Get().paint.hdc;
    const RECT& due = paint.Get().paint.rcPaint;
    const ImageView picture = raster_.Pixels().CompleteImage();
    const Rect area = Intersection(Between(due.left, due.top, due.right, due.bottom),
        {0, 0, picture.width, picture.height});
    if (area.Empty()) {
        pacer_.Painted();
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -area.height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const Pixel* firstRow = picture.pixels.data() + std::ptrdiff_t{area.top} * picture.width;
    if (dc &&
        SetDIBitsToDevice(dc, area.left, area.top, static_cast<DWORD>(area.width),
                          static_cast<DWORD>(area.height), area.left, 0, 0,
                          static_cast<UINT>(area.height), firstRow, &info, DIB_RGB_COLORS) != 0) {
        pacer_.Painted();
    }
}

// While the box has the focus, its edge is drawn in the highlight color, round the picture and
// never on it.
void PictureBox::PaintEdge(WPARAM region) {
    DefWindowProcW(Handle(), WM_NCPAINT, region, 0);
    if (GetFocus() != Handle()) {
        return;
    }
    const WindowDc dc = WholeWindowDc(Handle());
    if (!dc) {
        return;
    }
    RECT outer;
    GetWindowRect(Handle(), &outer);
    RECT inner;
    GetClientRect(Handle(), &inner);
    MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&inner), 2);
    OffsetRect(&inner, -outer.left, -outer.top);
    OffsetRect(&outer, -outer.left, -outer.top);
    ExcludeClipRect(dc.Get().dc, inner.left, inner.top, inner.right, inner.bottom);
    FillRect(dc.Get().dc, &outer, GetSysColorBrush(COLOR_HIGHLIGHT));
}

// At the mouse, or under the box's top-left corner for a menu asked for from the keyboard, which
// starts on its first item: the Down key, waiting in the queue, selects it once the menu runs.
void PictureBox::ShowMenu(LPARAM at) {
    POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (at == -1) {
        point = {0, 0};
        ClientToScreen(Handle(), &point);
        PostMessageW(Handle(), WM_KEYDOWN, VK_DOWN, 0);
    }
    const OwnedMenu menu(CreatePopupMenu());
    if (!menu.Get()) {
        return;
    }
    for (std::size_t i = 0; i < menu_.size(); ++i) {
        std::wstring text = menu_[i].text;
        AppendMenuW(menu.Get(), MF_STRING, i + 1, text.c_str());
    }
    const UINT chosen = static_cast<UINT>(TrackPopupMenuEx(
        menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, point.x, point.y, Handle(), nullptr));
    if (chosen > 0 && chosen <= menu_.size()) {
        menu_[chosen - 1].run();
    }
}

void PictureBox::RunDefaultAction() {
    if (!menu_.empty()) {
        menu_.front().run();
    }
}

void PictureBox::Describe(std::string_view name, std::string_view description) {
    SetWindowTextW(Handle(), Widen(name).c_str()); // what a screen reader calls a window by
    std::wstring text = Widen(description);
    if (text != description_) {
        description_ = std::move(text);
        NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, Handle(), OBJID_CLIENT, CHILDID_SELF);
    }
}

// Ctrl and an item's key, while the box has the focus.
bool PictureBox::RunKey(WPARAM key) {
    if (GetKeyState(VK_CONTROL) >= 0) {
        return false;
    }
    for (const MenuItem& item : menu_) {
        if (item.key != 0 && key == static_cast<WPARAM>(item.key)) {
            item.run();
            return true;
        }
    }
    return false;
}

LRESULT CALLBACK PictureBox::Procedure(HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept {
    if (PictureBox* box = ObjectOf<PictureBox>(window, message, lParam)) {
        switch (message) {
        case WM_PAINT:
            box->Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1; // the paint covers every pixel
        case WM_NCPAINT:
            box->PaintEdge(wParam);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
            return 0;
        case WM_GETOBJECT:
            return AccessiblePicture(window, wParam, lParam);
        case kRunDefaultAction:
            box->RunDefaultAction();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            SetFocus(window);
            return 0;
        case WM_CONTEXTMENU:
            box->ShowMenu(lParam);
            return 0;
        case WM_KEYDOWN:
            if (box->RunKey(wParam)) {
                return 0;
            }
            break;
        case WM_NCDESTROY:
            box->window_.Release();
            break;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace vorrelin::win32
