#include "window/picture_file.h"

#include <atomic>
#include <string>

namespace vorrelin {

namespace {

// A name beside the target that no other save of this run uses, hidden where names that begin
// with a point are.
std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
    static std::atomic<unsigned> saves = 0;
    std::filesystem::path name = ".";
    name += target.filename();
    name += ".";
    name += std::to_string(saves++);
    name += ".tmp";
    return target.parent_path() / name;
}

} // namespace

std::string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {reinterpret_cast<const char*>(text.data()), text.size()};
}

std::filesystem::path WithPngExtension(std::filesystem::path path) {
    if (!path.has_extension()) {
        path += ".png";
    }
    return path;
}

std::optional<std::string> SavePicture(PictureFiles& files, const std::filesystem::path& target,
                                       const ImageView& picture) {
    const std::filesystem::path temporary = TemporaryBeside(target);
    std::optional<std::string> failure = files.WritePng(temporary, picture);
    if (!failure) {
        failure = files.Replace(temporary, target);
    }
    if (failure) {
        files.Remove(temporary);
    }
    return failure;
}

} // namespace vorrelin
