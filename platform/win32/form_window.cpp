#include "platform/win32/form_window.h"

#include "platform/win32/error.h"
#include "platform/win32/text.h"
#include "platform/win32/window_object.h"
#include "window/layout.h"

#include <algorithm>
#include <commctrl.h>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace vorrelin::win32 {

namespace {

constexpr const wchar_t* kClassName = L"VorrelinCurveForm";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

HMENU ControlId(std::size_t index) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlIds.Id(index)));
}

// The platform's default user-interface font: the system's message font at a density. Null
// if the system cannot make it.
GdiObject<HFONT> MessageFont(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
        return GdiObject<HFONT>();
    }
    return GdiObject<HFONT>(CreateFontIndirectW(&metrics.lfMessageFont));
}

// A field's own menu, asked for from the keyboard, starts on its first command, as the drawing
// area's does: the Down key, waiting in the queue, selects it once the menu runs. The field
// lets the subclass go as it is destroyed.
LRESULT CALLBACK FieldProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                DWORD_PTR) {
    if (message == WM_CONTEXTMENU && lParam == -1) {
        PostMessageW(field, WM_KEYDOWN, VK_DOWN, 0);
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(field, FieldProcedure, id);
    }
    return DefSubclassProc(field, message, wParam, lParam);
}

} // namespace

FormWindow::FormWindow(const WindowDescription& description, Handler handler, HINSTANCE instance,
                       HICON icon)
    : description_(description), handler_(std::move(handler)),
      dispatcher_([this] { RepaintPictures(); },
                  [this](const ErrorReport& report) { ShowReport(report); }) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = icon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterOnce(windowClass);

    // Sized for the primary monitor's density first; the monitor it opens on may differ.
    const SIZE size = WindowSize(GetDpiForSystem());
    window_ = OwnedWindow(CreateWindowExW(0, kClassName, Widen(description.caption).c_str(), kStyle,
                                          CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy, nullptr,
                                          nullptr, instance, this));
    if (!Handle()) {
        ThrowLastError("CreateWindowExW");
    }
    dpi_ = std::max(GetDpiForWindow(Handle()), static_cast<UINT>(kStandardDpi));
    for (std::size_t i = 0; i < description.controls.size(); ++i) {
        controls_.push_back(CreateControl(i, instance));
    }
    // Children stack in the order they were made, which is also the order Tab visits them in,
    // passing labels over wherever they lie. A label that names a field goes just before it,
    // where the system's proxy for an edit looks for its name; the others go to the bottom. To
    // the eye and the mouse every label still lies underneath (ClipLabels).
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const ControlDescription& control = description.controls[i];
        if (!LiesUnderneath(control.kind)) {
            continue;
        }
        HWND after = HWND_BOTTOM;
        if (!control.labels.empty()) {
            const HWND above = GetWindow(Control(control.labels), GW_HWNDPREV);
            after = above ? above : HWND_TOP;
        }
        SetWindowPos(controls_[i], after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    for (std::size_t i = 0; i < description.timers.size(); ++i) {
        timers_.push_back(std::make_unique<Win32Timer>(Handle(), kTimerIds.Id(i)));
    }
    // The field is named by its label for screen readers that read annotations, as Windows' own
    // do, as well as for those that take an edit's name from the label before it.
    for (const ControlDescription& control : description.controls) {
        if (!control.labels.empty()) {
            annotations_.Name(Control(control.labels), control.text);
        }
    }
    Layout();
    const SIZE fitted = WindowSize(dpi_);
    SetWindowPos(Handle(), nullptr, 0, 0, fitted.cx, fitted.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    focus_ = Control(FirstFocus(description).name);
}

HWND FormWindow::CreateControl(std::size_t index, HINSTANCE instance) {
    const ControlDescription& control = description_.controls[index];
    const std::wstring text = Widen(control.text);
    const DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    HWND made = nullptr;
    switch (control.kind) {
    case ControlKind::PictureBox: {
        const int side = InnerSide(PlaceOf(control, kStandardDpi).width);
        pictures_.push_back(
            std::make_unique<PictureBox>(Handle(), kControlIds.Id(index), side, dpi_));
        return pictures_.back()->Handle();
    }
    case ControlKind::CommandButton:
        made = CreateWindowExW(0, L"BUTTON", text.c_str(), child | WS_TABSTOP | BS_PUSHBUTTON, 0, 0,
                               0, 0, Handle(), ControlId(index), instance, nullptr);
        break;
    case ControlKind::TextBox:
        made = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", text.c_str(),
                               child | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0, 0, Handle(),
                               ControlId(index), instance, nullptr);
        if (made) {
            SetWindowSubclass(made, FieldProcedure, 0, 0);
        }
        break;
    case ControlKind::Label:
        made = CreateWindowExW(0, L"STATIC", text.c_str(), child | SS_LEFT | SS_NOPREFIX, 0, 0, 0,
                               0, Handle(), ControlId(index), instance, nullptr);
        break;
    }
    if (!made) {
        ThrowLastError("CreateWindowExW");
    }
    return made;
}

bool FormWindow::IsButton(HWND window) const {
    const auto found = std::ranges::find(controls_, window);
    return found != controls_.end() &&
           description_.controls[static_cast<std::size_t>(found - controls_.begin())].kind ==
               ControlKind::CommandButton;
}

HWND FormWindow::Control(std::string_view name) const {
    return controls_[IndexOf(description_, name)];
}

PictureBox& FormWindow::Picture(std::string_view name) const {
    const HWND handle = Control(name);
    for (const auto& picture : pictures_) {
        if (picture->Handle() == handle) {
            return *picture;
        }
    }
    throw std::logic_error("no drawing area " + std::string(name));
}

Win32Timer& FormWindow::Timer(std::string_view name) const {
    return *timers_[TimerIndexOf(description_, name)];
}

void FormWindow::Raise(std::string_view control, Event event) {
    dispatcher_.Dispatch([&] { handler_(control, event); });
}

// The menu shows each command's key beside it. A key that works anywhere in the window is one
// of the window's commands; the others, the drawing area's own.
void FormWindow::AddMenu(std::string_view picture, std::vector<MenuCommand> commands) {
    std::vector<PictureBox::MenuItem> items;
    for (MenuCommand& command : commands) {
        std::function<void()> run = [this, run = std::move(command.run)] {
            dispatcher_.Dispatch(run);
        };
        const auto key = static_cast<wchar_t>(command.key);
        std::wstring text = Widen(command.text) + L"\tCtrl+" + key;
        std::wstring name = Widen(command.SpokenText());
        if (command.reach == MenuCommand::Reach::Window) {
            commands_.Add(key, run);
            items.push_back({std::move(text), std::move(name), 0, std::move(run)});
        } else {
            items.push_back({std::move(text), std::move(name), key, std::move(run)});
        }
    }
    Picture(picture).SetMenu(std::move(items));
}

void FormWindow::DescribePicture(std::string_view picture, std::string_view name,
                                 std::string_view description) {
    Picture(picture).Describe(name, description);
}

// The window whose client area is the description's at `dpi`.
SIZE FormWindow::WindowSize(UINT dpi) const {
    RECT rect{0, 0, ToPixels(description_.clientWidth, static_cast<int>(dpi)),
              ToPixels(description_.clientHeight, static_cast<int>(dpi))};
    AdjustWindowRectExForDpi(&rect, kStyle, FALSE, 0, dpi);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// Every control at its place and in the message font, at the window's density. If no font can
// be made for the new density, the controls keep the one they have. The old font is deleted
// only once no control holds it.
void FormWindow::Layout() {
    GdiObject<HFONT> old;
    if (GdiObject<HFONT> font = MessageFont(dpi_)) {
        old = std::exchange(font_, std::move(font));
    }
    std::size_t picture = 0;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const Rect place = PlaceOf(description_.controls[i], static_cast<int>(dpi_));
        if (description_.controls[i].kind == ControlKind::PictureBox) {
            pictures_[picture++]->Place(place.left, place.top, dpi_);
            continue;
        }
        SetWindowPos(controls_[i], nullptr, place.left, place.top, place.width, place.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
    }
    ClipLabels();
}

// Each label's region leaves out every control that does not lie underneath, so a label above
// its field in the window order neither paints over it nor hides it from the mouse. The system
// owns a region once it is the window's.
void FormWindow::ClipLabels() {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (!LiesUnderneath(description_.controls[i].kind)) {
            continue;
        }
        RECT label;
        GetWindowRect(controls_[i], &label);
        GdiObject<HRGN> region(
            CreateRectRgn(0, 0, label.right - label.left, label.bottom - label.top));
        for (std::size_t j = 0; j < controls_.size() && region; ++j) {
            RECT other;
            if (LiesUnderneath(description_.controls[j].kind) ||
                !GetWindowRect(controls_[j], &other)) {
                continue;
            }
            OffsetRect(&other, -label.left, -label.top);
            const GdiObject<HRGN> cut(CreateRectRgnIndirect(&other));
            CombineRgn(region.Get(), region.Get(), cut.Get(), RGN_DIFF);
        }
        if (region && SetWindowRgn(controls_[i], region.Get(), TRUE)) {
            region.Release();
        }
    }
}

void FormWindow::RepaintPictures() {
    for (const auto& picture : pictures_) {
        InvalidateRect(picture->Handle(), nullptr, FALSE);
    }
}

void FormWindow::ShowReport(const ErrorReport& report) {
    MessageBoxW(Handle(), Widen(report.text).c_str(), Widen(report.title).c_str(),
                MB_OK | MB_ICONERROR);
}

void FormWindow::Copy(Image picture) {
    clipboard_.Offer(Handle(), std::move(picture));
}

void FormWindow::Show(int showCommand) {
    ShowWindow(Handle(), showCommand);
    UpdateWindow(Handle());
    SetFocus(focus_);
}

// No button is the default or the cancel button: Escape presses nothing, nor does Enter in a
// field; Enter presses the button with the focus, as Space does.
bool FormWindow::Translate(MSG& message) {
    if (message.message == WM_KEYDOWN &&
        (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE)) {
        if (message.wParam == VK_RETURN && IsButton(message.hwnd)) {
            SendMessageW(message.hwnd, BM_CLICK, 0, 0);
        }
        return true;
    }
    return Handle() &&
           (commands_.Translate(Handle(), message) || IsDialogMessageW(Handle(), &message));
}

LRESULT CALLBACK FormWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept {
    FormWindow* form = ObjectOf<FormWindow>(window, message, lParam);
    return form ? form->OnMessage(window, message, wParam, lParam)
                : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT FormWindow::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(wParam);
        return 0;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_ACTIVATE:
        OnActivate(wParam);
        return 0;
    case WM_GETDPISCALEDSIZE:
        *reinterpret_cast<SIZE*>(lParam) = WindowSize(static_cast<UINT>(wParam));
        return TRUE;
    case WM_DPICHANGED:
        OnDpiChanged(window, wParam, lParam);
        return 0;
    case WM_RENDERFORMAT:
        clipboard_.Render(static_cast<UINT>(wParam));
        return 0;
    case WM_RENDERALLFORMATS:
        clipboard_.RenderAll();
        return 0;
    case WM_DESTROYCLIPBOARD:
        clipboard_.Release();
        return 0;
    case WM_DESTROY: // the program ends with its window
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        OnDestroyed();
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A command's key, or a button's click.
void FormWindow::OnCommand(WPARAM wParam) {
    const bool fromKey = HIWORD(wParam) == 1;
    if (fromKey && commands_.Run(LOWORD(wParam))) {
        return;
    }
    const std::optional<std::size_t> control = kControlIds.IndexOf(LOWORD(wParam));
    if (HIWORD(wParam) == BN_CLICKED && control && *control < controls_.size() &&
        description_.controls[*control].kind == ControlKind::CommandButton) {
        Raise(description_.controls[*control].name, Event::Click);
    }
}

void FormWindow::OnTimer(WPARAM wParam) {
    const std::optional<std::size_t> timer = kTimerIds.IndexOf(wParam);
    if (timer && *timer < timers_.size()) {
        Raise(description_.timers[*timer], Event::Timer);
    }
}

// The focus goes back to the control that had it when the window was last active.
void FormWindow::OnActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        focus_ = GetFocus();
    } else if (focus_) {
        SetFocus(focus_);
    }
}

// The window takes the rectangle the system suggests for the new density, and lays itself out
// again at that density.
void FormWindow::OnDpiChanged(HWND window, WPARAM wParam, LPARAM lParam) {
    dpi_ = HIWORD(wParam);
    const auto* suggested = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
}

// The window's timers have gone with it.
void FormWindow::OnDestroyed() {
    for (const auto& timer : timers_) {
        timer->WindowGone();
    }
    window_.Release();
}

} // namespace vorrelin::win32
