#include "window/picture_keeping.h"

#include "runtime/program.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fmt/format.h>
#include <random>
#include <system_error>
#include <utility>

namespace vorrelin {

namespace {

// An order as the user would write it: the shortest text that reads back as the same number.
std::string OrderText(double order) {
    return fmt::format("{}", order);
}

std::filesystem::path FromText(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

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

std::string PictureDescription(std::string_view caption, std::optional<double> order) {
    if (!order) {
        return "曲線はまだ描かれていません";
    }
    return "次数 " + OrderText(*order) + " の" + std::string(caption);
}

std::filesystem::path ProposedPictureName(std::string_view caption, std::optional<double> order) {
    std::string name(caption);
    if (order) {
        name += " 次数" + OrderText(*order);
    }
    name += kPngExtension;
    return FromText(name);
}

std::vector<MenuCommand> PictureCommands(std::function<void()> copy, std::function<void()> save) {
    return {{kCopyPicture, kCopyKey, MenuCommand::Reach::Control, std::move(copy)},
            {kSavePicture, kSaveKey, MenuCommand::Reach::Window, std::move(save)}};
}

ErrorReport CopyFailureReport(const std::string& reason) {
    return {std::string(kProgramName), "画像をコピーできませんでした。\n\n" + reason};
}

std::string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {reinterpret_cast<const char*>(text.data()), text.size()};
}

std::filesystem::path WithPngExtension(std::filesystem::path path) {
    const std::string name = PathText(path.filename());
    const std::string_view end =
        std::string_view(name).substr(name.size() - std::min(name.size(), kPngExtension.size()));
    if (!std::equal(
            end.begin(), end.end(), kPngExtension.begin(), kPngExtension.end(),
            [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; })) {
        path += FromText(kPngExtension);
    }
    return path;
}

std::optional<std::string> SavePicture(PictureFiles& files, const std::filesystem::path& target,
                                       const ImageView& picture) {
    const std::filesystem::path file = files.Resolve(target);
    if (files.ReadOnly(file)) {
        return std::string(kReadOnlyReason);
    }
    const std::filesystem::path temporary = TemporaryBeside(file);
    if (std::optional<std::string> failure = files.WritePng(temporary, picture)) {
        return failure;
    }
    std::optional<std::string> failure = files.Replace(temporary, file);
    if (failure) {
        files.Remove(temporary);
    }
    return failure;
}

std::string ReplaceQuestion(const std::filesystem::path& file) {
    return PathText(file.filename()) + " は既にあります。\n置き換えますか?";
}

std::filesystem::path FirstSaveFolder(const std::filesystem::path& pictures,
                                      const std::filesystem::path& otherwise) {
    std::error_code error;
    return !pictures.empty() && std::filesystem::is_directory(pictures, error) ? pictures
                                                                               : otherwise;
}

SaveCommand::SaveCommand(std::string_view caption, std::filesystem::path firstFolder,
                         AskSaveName askName, AskReplace askReplace,
                         std::function<void(const ErrorReport&)> report)
    : caption_(caption), folder_(std::move(firstFolder)), askName_(std::move(askName)),
      askReplace_(std::move(askReplace)), report_(std::move(report)) {}

void SaveCommand::Run(const ImageView& picture, std::optional<double> order, PictureFiles& files) {
    const std::optional<std::filesystem::path> chosen =
        askName_(folder_ / ProposedPictureName(caption_, order));
    if (!chosen) {
        return;
    }
    const std::filesystem::path target = WithPngExtension(*chosen);
    folder_ = target.parent_path();
    if (target != *chosen && files.Exists(target) && !askReplace_(target)) {
        return;
    }
    if (const std::optional<std::string> failure = SavePicture(files, target, picture)) {
        report_({std::string(kProgramName),
                 "画像を保存できませんでした。\n\n" + PathText(target) + "\n\n" + *failure});
    }
}

} // namespace vorrelin
