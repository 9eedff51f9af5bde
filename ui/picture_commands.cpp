#include "ui/picture_commands.h"

#include "ui/form1_description.h"
#include "ui/form1_events.h"
#include "window/picture_file.h"

#include <charconv>

namespace vorrelin {

namespace {

constexpr const char* kProgramName = "VorrelinCurve";

// An order as the user would write it: the shortest text that reads back as the same number.
std::string OrderText(double order) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, order);
    return {text, result.ptr};
}

} // namespace

std::string PictureDescription(std::optional<double> order) {
    if (!order) {
        return "曲線はまだ描かれていません";
    }
    return "次数 " + OrderText(*order) + " の" + std::string(kForm1.caption);
}

void HandleAndDescribe(Form1& form, std::string_view control, Event event,
                       const std::function<void(const std::string& description)>& describe) {
    try {
        Handle(form, control, event);
    } catch (...) {
        describe(PictureDescription(form.OrderOnPicture()));
        throw;
    }
    describe(PictureDescription(form.OrderOnPicture()));
}

std::filesystem::path ProposedPictureName(std::optional<double> order) {
    std::string name(kForm1.caption);
    if (order) {
        name += " 次数" + OrderText(*order);
    }
    name += ".png";
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

ErrorReport CopyFailureReport(const std::string& reason) {
    return {kProgramName, "画像をコピーできませんでした。\n\n" + reason};
}

void SavePictureAs(const ImageView& picture, std::optional<double> order,
                   std::filesystem::path& folder, const AskSaveName& ask, PictureFiles& files,
                   const std::function<void(const ErrorReport&)>& report) {
    const std::optional<std::filesystem::path> chosen = ask(folder / ProposedPictureName(order));
    if (!chosen) {
        return;
    }
    const std::filesystem::path target = WithPngExtension(*chosen);
    folder = target.parent_path();
    if (const std::optional<std::string> failure = SavePicture(files, target, picture)) {
        report({kProgramName,
                "画像を保存できませんでした。\n\n" + PathText(target) + "\n\n" + *failure});
    }
}

} // namespace vorrelin
