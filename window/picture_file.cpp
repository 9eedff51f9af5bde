#include "window/picture_file.h"

#include <cstdio>
#include <random>
#include <string>

namespace vorrelin {

namespace {

// A name beside the target that no other save uses, whatever process makes it, and that is no
// longer than a name can be, however long the target's; hidden where names that begin with a
// point are.
std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
    static std::mt19937_64 random{std::random_device{}()};
    char name[48];
    std::snprintf(name, sizeof name, ".vorrelincurve-%016llx.tmp",
                  static_cast<unsigned long long>(random()));
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
