#include "platform/win32/picture_box.h"

#include "platform/layout.h"
#include "platform/win32/window_object.h"

#include <algorithm>
#include <chrono>

namespace vorrelin::win32 {

namespace {

constexpr const wchar_t* kClassName = L"VorrelinCurvePictureBox";

double Ratio(UINT dpi) {
    return static_cast<double>(dpi) / kStandardDpi;
}

} // namespace

PictureBox::PictureBox(HWND parent, int id, int side, UINT dpi)
    : RasterSurface(side, side, Ratio(dpi)), dpi_(dpi) {
    const HINSTANCE instance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass); // fails harmlessly when a second box registers it again
    window_ = CreateWindowExW(
        WS_EX_CLIENTEDGE, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0,
        0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
}

PictureBox::~PictureBox() {
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    }
}

void PictureBox::Place(int left, int top, UINT dpi) {
    if (dpi != dpi_) {
        ChangeDensity(Ratio(dpi));
        dpi_ = dpi;
    }
    const int edge = GetSystemMetricsForDpi(SM_CXEDGE, dpi);
    SetWindowPos(window_, nullptr, left, top, PixelWidth() + 2 * edge, PixelHeight() + 2 * edge,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window_, nullptr, FALSE);
}

// Only what the drawing changed since the last refresh shown is painted: at the high orders,
// the pen's square. The time is the tick count, which costs next to nothing to read, where a
// precise clock would cost some 3 per cent of the drawing under Wine; its steps of up to
// 16 ms make a frame one or two of them.
void PictureBox::Present() {
    const RefreshPacer::Action action = pacer_.Refresh(std::chrono::milliseconds(GetTickCount64()));
    if (action == RefreshPacer::Action::Nothing) {
        return;
    }
    const Area changed = TakeChanged();
    const RECT area{changed.left, changed.top, changed.right, changed.bottom};
    if (action == RefreshPacer::Action::PaintNow) {
        RedrawWindow(window_, &area, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    } else {
        InvalidateRect(window_, &area, FALSE);
    }
}

// The rows of the invalid rectangle go to the screen as a DIB of their own, which starts at
// the first of them in the surface's buffer.
void PictureBox::Paint() {
    pacer_.Painted();
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window_, &paint);
    const std::uint32_t* bits = Bits();
    const int left = std::max<int>(paint.rcPaint.left, 0);
    const int top = std::max<int>(paint.rcPaint.top, 0);
    const int right = std::min<int>(paint.rcPaint.right, PixelWidth());
    const int bottom = std::min<int>(paint.rcPaint.bottom, PixelHeight());
    if (left < right && top < bottom) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = PixelWidth();
        info.bmiHeader.biHeight = -(bottom - top); // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        SetDIBitsToDevice(dc, left, top, static_cast<DWORD>(right - left),
                          static_cast<DWORD>(bottom - top), left, 0, 0,
                          static_cast<UINT>(bottom - top),
                          bits + std::ptrdiff_t{top} * PixelWidth(), &info, DIB_RGB_COLORS);
    }
    EndPaint(window_, &paint);
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
        case WM_LBUTTONDOWN:
            SetFocus(window);
            return 0;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace vorrelin::win32
