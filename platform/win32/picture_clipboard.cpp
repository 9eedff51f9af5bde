#include "platform/win32/picture_clipboard.h"

#include "platform/win32/error.h"
#include "platform/win32/handles.h"
#include "platform/win32/wic_png.h"

#include <cstring>
#include <new>
#include <string>
#include <string_view>
#include <utility>

namespace vorrelin::win32 {

namespace {

// The format newer programs paste a picture from.
UINT PngFormat() {
    return RegisterClipboardFormatW(L"PNG");
}

// The picture as a device-independent bitmap: its header, then its rows bottom up, 32 bits a
// pixel as the picture holds them.
std::string Dib(const ImageView& picture) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = picture.width;
    header.biHeight = picture.height; // bottom up, as every program reads them
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    std::string dib(reinterpret_cast<const char*>(&header), sizeof header);
    for (int y = picture.height - 1; y >= 0; --y) {
        dib.append(reinterpret_cast<const char*>(
                       &picture.pixels[static_cast<std::size_t>(y) * picture.width]),
                   static_cast<std::size_t>(picture.BytesPerLine()));
    }
    return dib;
}

// Hands bytes to the clipboard, which is open, in a block of movable global memory; the block
// is freed again unless the clipboard took it. Throws SystemError if it cannot.
void SetClipboardBytes(UINT format, std::string_view bytes) {
    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
    void* at = memory ? GlobalLock(memory.Get()) : nullptr;
    if (!at) {
        ThrowLastError("GlobalAlloc");
    }
    std::memcpy(at, bytes.data(), bytes.size());
    GlobalUnlock(memory.Get());
    if (!SetClipboardData(format, memory.Get())) {
        ThrowLastError("SetClipboardData");
    }
    memory.Release(); // the clipboard's from now on
}

} // namespace

PictureClipboard::~PictureClipboard() {
    RenderAll();
}

void PictureClipboard::Offer(HWND owner, Image picture) {
    const UINT png = PngFormat();
    if (!png) {
        ThrowLastError("RegisterClipboardFormat");
    }
    const OpenedClipboard clipboard = OpenClipboardFor(owner);
    if (!clipboard) {
        ThrowLastError("OpenClipboard");
    }
    if (!EmptyClipboard()) {
        ThrowLastError("EmptyClipboard");
    }
    owner_ = owner;
    picture_ = std::move(picture);
    SetClipboardData(CF_DIB, nullptr);
    SetClipboardData(png, nullptr);
}

// A format that cannot be made is left out: the program that pastes finds nothing in it.
void PictureClipboard::Render(UINT format) {
    if (!picture_) {
        return;
    }
    try {
        if (format == CF_DIB) {
            SetClipboardBytes(format, Dib(picture_->View()));
        } else if (format == PngFormat()) {
            SetClipboardBytes(format, EncodePng(picture_->View()));
        }
    } catch (const SystemError&) {
    } catch (const std::bad_alloc&) {
    }
}

void PictureClipboard::RenderAll() {
    if (!picture_) {
        return;
    }
    const OpenedClipboard clipboard = OpenClipboardFor(owner_);
    if (clipboard && GetClipboardOwner() == owner_) {
        Render(CF_DIB);
        Render(PngFormat());
    }
    picture_.reset();
}

void PictureClipboard::Release() {
    picture_.reset();
}

} // namespace vorrelin::win32
