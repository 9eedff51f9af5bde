#pragma once

#include "graphics/image.h"

#include <optional>
#include <windows.h>

namespace vorrelin::win32 {

// A picture on the clipboard, as a device-independent bitmap, which Paint and every older
// program pastes, and as PNG, which newer ones prefer. Both are only offered when it is copied,
// and the picture is kept as it was then: a format is made when a program asks for it
// (WM_RENDERFORMAT), so that copying costs no encoding; and all of them before the owner goes
// (WM_RENDERALLFORMATS, or the clipboard's own end), so that the picture still pastes after the
// program has closed.
class PictureClipboard {
public:
    PictureClipboard() = default;
    PictureClipboard(const PictureClipboard&) = delete;
    PictureClipboard& operator=(const PictureClipboard&) = delete;
    ~PictureClipboard();

    // Offers a picture on the clipboard, for `owner` to make when asked. Throws SystemError if
    // the clipboard cannot be had.
    void Offer(HWND owner, Image picture);
    // Puts the picture on the clipboard, which a program that pastes holds open, in a format.
    void Render(UINT format);
    // Puts the picture on the clipboard in every format, while the owner still owns it.
    void RenderAll();
    // Another program has taken the clipboard: the picture is no longer needed.
    void Release();

private:
    HWND owner_ = nullptr;
    std::optional<Image> picture_;
};

} // namespace vorrelin::win32
