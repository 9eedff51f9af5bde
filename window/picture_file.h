#pragma once

#include "graphics/image.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vorrelin {

// The file operations a picture is saved with, as the window system provides them. Each that
// can fail returns the system's reason when it does.
class PictureFiles {
public:
    virtual ~PictureFiles() = default;

    // Writes a picture as PNG into a new file, or over the file that is there.
    virtual std::optional<std::string> WritePng(const std::filesystem::path& path,
                                                const ImageView& picture) = 0;
    // Puts a file in the place of another, in one step: the other is there whole until then.
    virtual std::optional<std::string> Replace(const std::filesystem::path& from,
                                               const std::filesystem::path& to) = 0;
    virtual void Remove(const std::filesystem::path& path) = 0;
};

// A path as the program's own text, UTF-8.
std::string PathText(const std::filesystem::path& path);

// A name the user gave without an extension, with ".png".
std::filesystem::path WithPngExtension(std::filesystem::path path);

// Saves a picture as a PNG file at `target` without ever leaving part of one there, or losing
// the file that was there: the picture is written to a temporary file in the same folder,
// which then takes the target's place. On a failure, which the system's reason comes back for,
// the temporary file is removed and the target is as it was.
std::optional<std::string> SavePicture(PictureFiles& files, const std::filesystem::path& target,
                                       const ImageView& picture);

} // namespace vorrelin
