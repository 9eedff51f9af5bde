#pragma once

#include "graphics/image.h"
#include "runtime/dispatcher.h"
#include "ui/form1.h"
#include "window/picture_file.h"
#include "window/window_description.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// What the window offers beside Form1's own controls, on both window systems: its picture
// copied, or saved as PNG, from a menu on the drawing area; and what a screen reader is told of
// the drawing area. Nothing here changes what Form1 does.
namespace vorrelin {

// The menu's items, with their access keys, and the key each runs with Ctrl: copying while the
// drawing area has the focus, saving anywhere in the window.
inline constexpr std::string_view kCopyPicture = "画像をコピー(&C)";
inline constexpr char kCopyKey = 'C';
inline constexpr std::string_view kSavePicture = "画像を保存(&S)...";
inline constexpr char kSaveKey = 'S';

// The save dialog's title and the name of the one kind of file it offers.
inline constexpr std::string_view kSaveTitle = "画像を保存";
inline constexpr std::string_view kPngFiles = "PNG 画像";

// The drawing area's name for a screen reader.
inline constexpr std::string_view kPictureName = "描画領域";

// What the drawing area shows, for a screen reader: the order of the curve drawn, once one is.
std::string PictureDescription(std::optional<double> order);

// Runs Form1's handler of an event, if it has one, and then, whether it ended well or not,
// hands `describe` what the drawing area shows now, so a screen reader never hears of a
// picture that is gone.
void HandleAndDescribe(Form1& form, std::string_view control, Event event,
                       const std::function<void(const std::string& description)>& describe);

// The name the save dialog proposes: the window's caption and the order of the curve drawn.
std::filesystem::path ProposedPictureName(std::optional<double> order);

// The report of a copy the system refused, with its reason.
ErrorReport CopyFailureReport(const std::string& reason);

// Asks the user, by the system's own save dialog, where to save a file, proposing a path;
// nothing if the user cancels.
using AskSaveName =
    std::function<std::optional<std::filesystem::path>(const std::filesystem::path& proposed)>;

// Saves a picture as PNG where the user says. The dialog proposes the name of the picture in
// `folder`, the folder of the last save of this run, which then becomes the chosen one's. A
// name without an extension gets ".png". A cancelled dialog does nothing; a failed save is
// reported, naming the file and the system's reason, and leaves nothing behind.
void SavePictureAs(const ImageView& picture, std::optional<double> order,
                   std::filesystem::path& folder, const AskSaveName& ask, PictureFiles& files,
                   const std::function<void(const ErrorReport&)>& report);

} // namespace vorrelin
