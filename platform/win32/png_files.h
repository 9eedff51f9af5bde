#pragma once

#include "window/picture_keeping.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vorrelin::win32 {

// Pictures saved on Windows: encoded by WIC, written to a file made new for them and through to
// the disk, then put in place in one step: over a file that is there by ReplaceFile, which
// keeps its attributes, its security and its time of creation; as a new file by MoveFileEx.
// The reasons are the system's, in the language of its user interface.
class WicPngFiles : public PictureFiles {
public:
    std::filesystem::path Resolve(const std::filesystem::path& path) override;
    bool Exists(const std::filesystem::path& path) override;
    bool ReadOnly(const std::filesystem::path& path) override;
    std::optional<std::string> WritePng(const std::filesystem::path& path,
                                        const ImageView& picture) override;
    std::optional<std::string> Replace(const std::filesystem::path& from,
                                       const std::filesystem::path& to) override;
    void Remove(const std::filesystem::path& path) override;
};

} // namespace vorrelin::win32
