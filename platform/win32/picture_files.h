#pragma once

#include "graphics/image.h"
#include "window/picture_file.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <windows.h>

namespace vorrelin::win32 {

// A picture as PNG, encoded by the Windows Imaging Component. Throws SystemError if WIC cannot.
std::string EncodePng(const ImageView& picture);

// Pictures saved on Windows: encoded by WIC, written through to the disk, and put in place by
// MoveFileEx, which replaces a file in one step. The reasons are the system's, in its language.
class WicPictureFiles : public PictureFiles {
public:
    std::optional<std::string> WritePng(const std::filesystem::path& path,
                                        const ImageView& picture) override;
    std::optional<std::string> Replace(const std::filesystem::path& from,
                                       const std::filesystem::path& to) override;
    void Remove(const std::filesystem::path& path) override;
};

// Puts a picture on the clipboard as a device-independent bitmap, which Paint and every older
// program pastes, and as PNG, which newer ones prefer. Throws SystemError if it cannot.
void CopyToClipboard(HWND owner, const ImageView& picture);

// Asks where to save a file of one kind, with the system's own dialog, the Common Item Dialog:
// it proposes `proposed`, asks before a file is replaced, and gives a name without an
// extension `suffix`. Nothing if the user cancels. Throws SystemError if the dialog cannot open.
std::optional<std::filesystem::path> ShowSaveDialog(HWND owner, std::string_view title,
                                                    std::string_view kind, std::string_view suffix,
                                                    const std::filesystem::path& proposed);

} // namespace vorrelin::win32
