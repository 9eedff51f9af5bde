// The Win32 layer under Wine: text, density, painting, MSAA, window owners, clipboard and files.

#include "graphics/raster_surface.h"
#include "platform/win32/handles.h"
#include "platform/win32/png_files.h"
#include "platform/win32/text.h"
#include "ui/form1_description.h"
#include "ui/headless_form.h"
#include "ui/win32/form1_window.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <oleacc.h>
#include <optional>
#include <string>
#include <vector>
#include <wincodec.h>
#include <windows.h>
#include <wrl/client.h>

namespace vorrelin::win32 {
namespace {

// UTF-8 inside, UTF-16 at the API, in both directions; what cannot be text becomes U+FFFD.
TEST(Text, ConvertsBetweenUtf8AndUtf16) {
    const std::pair<std::string, std::wstring> cases[] = {
        {"", L""},
        {"Vorrelin曲線", L"Vorrelin\u66F2\u7DDA"},
        {"5\xEF\xBC\x95", L"5\uFF15"},
        {"\xF0\x9F\x98\x80", L"\U0001F600"}}; // outside the BMP: a surrogate pair
    for (const auto& [utf8, utf16] : cases) {
        EXPECT_EQ(Widen(utf8), utf16) << utf8;
        EXPECT_EQ(Narrow(utf16), utf8) << utf8;
    }
    EXPECT_EQ(Widen(std::string("a\xFF") + "b"), L"a\uFFFDb");
    EXPECT_EQ(Widen("\xE6\x9B"), L"\uFFFD"); // cut short
    EXPECT_EQ(Narrow(std::wstring(1, wchar_t{0xD800})), "\xEF\xBF\xBD");
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ShowWindow(window.Window().Handle(), SW_SHOWNORMAL);
        Pump();
    }

    static void Pump() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    Form1Window window{GetModuleHandleW(nullptr)};
};

// Moved to a monitor of one and a half times the density, the controls are laid out again at
// their twips, in the message font there, round a drawing area of the new resolution.
TEST_F(WindowTest, LaysItselfOutAgainAtAnotherDensity) {
    const auto fontHeight = [&](std::string_view name) {
        LOGFONTW font{};
        GetObjectW(
            reinterpret_cast<HFONT>(SendMessageW(window.Window().Control(name), WM_GETFONT, 0, 0)),
            sizeof font, &font);
        return font.lfHeight;
    };
    RECT suggested{100, 100, 100 + 900, 100 + 800};
    SendMessageW(window.Window().Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    RECT place;
    GetWindowRect(window.Window().Control("Command3"), &place);
    MapWindowPoints(HWND_DESKTOP, window.Window().Handle(), reinterpret_cast<POINT*>(&place), 2);
    const RECT command3{684, 312, 782, 350};
    EXPECT_TRUE(EqualRect(&place, &command3)) << place.left << "," << place.top;
    // The drawing area's edge is the system's at that density, round an image of 433 × 1.5.
    const HWND picture = window.Window().Control("Picture1");
    RECT inner;
    GetClientRect(picture, &inner);
    MapWindowPoints(picture, window.Window().Handle(), reinterpret_cast<POINT*>(&inner), 2);
    const LONG edge = GetSystemMetricsForDpi(SM_CXEDGE, 144);
    const RECT expected{12 + edge, 12 + edge, 12 + edge + 650, 12 + edge + 650};
    EXPECT_TRUE(EqualRect(&inner, &expected));
    EXPECT_EQ(fontHeight("Text1"), -18); // Wine's message font: 12 pixels at 96 dpi, 18 at 144
}

// The drawing area's pixels as the window system shows them.
std::vector<Pixel> OnScreen(HWND box, int side) {
    const WindowDc screen = ClientDc(box);
    const MemoryDc memory(CreateCompatibleDC(screen.Get().dc));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = side;
    info.bmiHeader.biHeight = -side; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const GdiObject<HBITMAP> bitmap(
        CreateDIBSection(memory.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const Selection selected = Select(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, side, side, screen.Get().dc, 0, 0, SRCCOPY);
    std::vector<Pixel> pixels(static_cast<const Pixel*>(bits),
                              static_cast<const Pixel*>(bits) + side * side);
    for (Pixel& pixel : pixels) {
        pixel |= 0xFF000000; // the screen keeps no alpha
    }
    return pixels;
}

// Drawn outside any handler, which would repaint it all, a curve shows through its refreshes.
TEST_F(WindowTest, ARefreshShowsWhatWasDrawnSinceTheLast) {
    SetWindowTextW(window.Window().Control("Text1"), L"7");
    window.Form().Command1_Click();
    window.Window().Picture("Picture1").Surface().Refresh();
    Pump();
    RasterSurface expected(433, 433);
    DrawOrder(expected, "7");
    const std::span<const Pixel> pixels = expected.Pixels().CompleteImage().pixels;
    EXPECT_EQ(OnScreen(window.Window().Picture("Picture1").Handle(), 433),
              std::vector<Pixel>(pixels.begin(), pixels.end()));
}

// Through MSAA: the proxy names each field by the label before it; the drawing area is a picture
// whose new descriptions are announced and whose default action, copying, runs.
TEST_F(WindowTest, ScreenReadersReadTheFieldsAndTheDrawingArea) {
    const ComApartment com = JoinComApartment();
    static std::vector<HWND> announced;
    const HWINEVENTHOOK hook = SetWinEventHook(
        EVENT_OBJECT_DESCRIPTIONCHANGE, EVENT_OBJECT_DESCRIPTIONCHANGE, nullptr,
        [](HWINEVENTHOOK, DWORD, HWND source, LONG object, LONG, DWORD, DWORD) {
            announced.push_back(object == OBJID_CLIENT ? source : nullptr);
        },
        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    VARIANT self{}; // lVal 0: CHILDID_SELF
    self.vt = VT_I4;
    const auto object = [&](std::string_view control) {
        Microsoft::WRL::ComPtr<IAccessible> found;
        AccessibleObjectFromWindow(window.Window().Control(control), OBJID_CLIENT,
                                   IID_PPV_ARGS(&found));
        return found;
    };
    const auto read = [&](std::string_view control, auto property) {
        BSTR text = nullptr;
        const auto found = object(control);
        const bool ok = found && SUCCEEDED((found.Get()->*property)(self, &text)) && text;
        const std::wstring result = ok ? text : L"(none)";
        SysFreeString(text);
        return result;
    };
    EXPECT_EQ(read("Text1", &IAccessible::get_accName), L"次数");
    EXPECT_EQ(read("Text2", &IAccessible::get_accName), L"タイマー間隔");
    const HWND picture = window.Window().Control("Picture1");
    for (int i = 0; i < 2; ++i) { // the second drawing describes the picture as the first did
        window.Window().Raise("Command1", Event::Click);
        Pump();
    }
    EXPECT_EQ(announced, std::vector<HWND>{picture});
    EXPECT_EQ(read("Picture1", &IAccessible::get_accDescription), L"次数 5 のVorrelin曲線");
    VARIANT role{};
    ASSERT_TRUE(object("Picture1"));
    object("Picture1")->get_accRole(self, &role);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_GRAPHIC);
    EXPECT_EQ(read("Picture1", &IAccessible::get_accDefaultAction), L"画像をコピー");
    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
    EXPECT_EQ(object("Picture1")->accDoDefaultAction(self), S_OK);
    Pump();
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_DIB));
    UnhookWinEvent(hook);
}

// An owner takes the object out of its window before destroying it, so the window procedure
// sees none during teardown; a drawing area destroyed with its parent lets its window go.
TEST(OwnedWindow, LetsItsWindowGoWithoutTheObject) {
    static bool objectAtDestroy = true;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam,
                                 LPARAM lParam) -> LRESULT {
        if (message == WM_DESTROY) {
            objectAtDestroy = GetWindowLongPtrW(window, GWLP_USERDATA) != 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    };
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"OwnedWindowTest";
    ASSERT_NE(RegisterClassExW(&windowClass), 0);
    {
        OwnedWindow owned(CreateWindowExW(0, L"OwnedWindowTest", L"", WS_OVERLAPPED, 0, 0, 10, 10,
                                          nullptr, nullptr, windowClass.hInstance, nullptr));
        SetWindowLongPtrW(owned.Get(), GWLP_USERDATA, 1);
    }
    EXPECT_FALSE(objectAtDestroy);

    Form1Window form(GetModuleHandleW(nullptr));
    PictureBox& picture = form.Window().Picture("Picture1");
    DestroyWindow(form.Window().Handle());
    EXPECT_EQ(picture.Handle(), nullptr);
    EXPECT_EQ(form.Window().Handle(), nullptr);
}

std::string Contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The bytes of a format on the clipboard, as the window system's clipboard gives them.
std::string Pasted(UINT format) {
    const OpenedClipboard clipboard = OpenClipboardFor(nullptr);
    const HGLOBAL memory = clipboard ? GetClipboardData(format) : nullptr;
    const auto* bytes = static_cast<const char*>(memory ? GlobalLock(memory) : nullptr);
    std::string copy(bytes, bytes ? GlobalSize(memory) : 0);
    GlobalUnlock(memory);
    return copy;
}

// A PNG's pixels as WIC's decoder reads them, opaque; none if it finds no PNG.
std::vector<Pixel> Decoded(const std::string& png) {
    Microsoft::WRL::ComPtr<IWICImagingFactory> factory;
    Microsoft::WRL::ComPtr<IWICStream> stream;
    Microsoft::WRL::ComPtr<IWICBitmapDecoder> decoder;
    Microsoft::WRL::ComPtr<IWICBitmapFrameDecode> frame;
    Microsoft::WRL::ComPtr<IWICBitmapSource> pixels;
    CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                     IID_PPV_ARGS(&factory));
    factory->CreateStream(&stream);
    stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(png.data())),
                                 static_cast<DWORD>(png.size()));
    if (FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) ||
        FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame.Get(), &pixels))) {
        return {};
    }
    std::vector<Pixel> decoded(433 * 433);
    pixels->CopyPixels(nullptr, 433 * 4, static_cast<UINT>(decoded.size() * 4),
                       reinterpret_cast<BYTE*>(decoded.data()));
    return decoded;
}

// A copy offers the picture as a bitmap, bottom row first, and as PNG, made only when pasted
// and as the picture was when copied: after another drawing, and after the window has gone.
TEST(Picture, PastesThePictureAsItWasCopied) {
    const ComApartment com = JoinComApartment();
    RasterSurface order3(433, 433);
    DrawOrder(order3, "3");
    const ImageView expected = order3.Pixels().CompleteImage();
    std::string bottomUp;
    for (int row = 432; row >= 0; --row) {
        bottomUp.append(reinterpret_cast<const char*>(&expected.pixels[row * 433u]), 433 * 4);
    }
    {
        Form1Window owner(GetModuleHandleW(nullptr));
        SetWindowTextW(owner.Window().Control("Text1"), L"3");
        owner.Form().Command1_Click();
        owner.Window().Copy(owner.Window().Picture("Picture1").TakePicture());
        SetWindowTextW(owner.Window().Control("Text1"), L"5");
        owner.Form().Command1_Click();
        EXPECT_EQ(Pasted(CF_DIB).substr(sizeof(BITMAPINFOHEADER)), bottomUp);
    }
    EXPECT_EQ(Pasted(CF_DIB).substr(sizeof(BITMAPINFOHEADER)), bottomUp);
    EXPECT_EQ(Decoded(Pasted(RegisterClipboardFormatW(L"PNG"))),
              std::vector<Pixel>(expected.pixels.begin(), expected.pixels.end()));
}

// Saving replaces a file, refuses a read-only one and leaves it whole, and makes a new one; the
// PNG records 96 dpi times the density and nothing else is left. (Wine's ReplaceFile keeps no
// attributes of the file it replaces, so that is left to Windows.)
TEST(Picture, SavingOverAFileKeepsWhatTheUserHad) {
    const ComApartment com = JoinComApartment();
    const struct {
        const wchar_t* name;
        DWORD attributes; // of the file there before, 0 for none
        bool refused;
    } cases[] = {{L"old.png", FILE_ATTRIBUTE_NORMAL, false},
                 {L"read-only.png", FILE_ATTRIBUTE_READONLY, true},
                 {L"new.png", 0, false}};
    const std::vector<Pixel> pixels(4, 0xFFFF0000);
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / L"保存";
    for (const auto& c : cases) {
        std::filesystem::create_directories(folder);
        const std::filesystem::path file = folder / c.name;
        if (c.attributes != 0) {
            std::ofstream(file) << "old";
            SetFileAttributesW(file.c_str(), c.attributes);
        }
        WicPngFiles files;
        const std::optional<std::string> failure =
            SavePicture(files, file, ImageView{2, 2, pixels, 192});
        EXPECT_EQ(failure, c.refused ? std::optional<std::string>(kReadOnlyReason) : std::nullopt)
            << c.name;
        EXPECT_EQ((GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_READONLY) != 0, c.refused)
            << c.name;
        const std::string saved = Contents(file);
        const std::size_t resolution = saved.find("pHYs");
        EXPECT_EQ(c.refused ? saved : saved.substr(resolution + 4, 9),
                  c.refused ? "old" : std::string("\0\0\x1d\x87\0\0\x1d\x87\x01", 9))
            << c.name;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1) << c.name;
        SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        std::filesystem::remove_all(folder);
    }
}

} // namespace
} // namespace vorrelin::win32
