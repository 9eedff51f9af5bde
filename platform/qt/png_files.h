#pragma once

#include "window/picture_keeping.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vorrelin {

// Pictures saved on Linux: written as PNG by QImage's writer, which libpng encodes, with the
// picture's resolution; made with the file system's own calls, which say why they fail, in the
// language of the C library's messages. A file replaced leaves its mode, and its owner and
// group where the system lets it, to the new one, which then takes its place by rename(), in
// one step. Hard links are not followed: the name saved to takes the new file, and the file's
// other names keep the old one.
class QtPngFiles : public PictureFiles {
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

} // namespace vorrelin
