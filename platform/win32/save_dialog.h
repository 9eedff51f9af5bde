#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <windows.h>

namespace vorrelin::win32 {

// Asks where to save a file of one kind, with the system's own dialog, the Common Item Dialog:
// it proposes `proposed`, asks before a file is replaced, and gives a name without an
// extension `suffix`. Nothing if the user cancels. Throws SystemError if the dialog cannot open.
std::optional<std::filesystem::path> ShowSaveDialog(HWND owner, std::string_view title,
                                                    std::string_view kind, std::string_view suffix,
                                                    const std::filesystem::path& proposed);

// Asks whether a file that is there is to be replaced.
bool ConfirmReplace(HWND owner, std::string_view title, const std::filesystem::path& file);

} // namespace vorrelin::win32
