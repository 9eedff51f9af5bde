#pragma once

#include "graphics/image.h"
#include "runtime/dispatcher.h"
#include "window/menu_command.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Keeping the picture of a drawing area, on every window system: copying it, or saving it as a
// PNG file, from the area's menu; and what a screen reader is told of the area. Nothing here
// changes what the window's own controls do.
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
inline constexpr std::string_view kPngSuffix = "png";
inline constexpr std::string_view kPngExtension = ".png";

// The drawing area's name for a screen reader.
inline constexpr std::string_view kPictureName = "描画領域";

// The commands of the drawing area's menu: copying its picture while the area has the focus,
// saving it from anywhere in the window.
std::vector<MenuCommand> PictureCommands(std::function<void()> copy, std::function<void()> save);

// What the drawing area shows, for a screen reader: the window's caption and the order of the
// curve drawn, once one is.
std::string PictureDescription(std::string_view caption, std::optional<double> order);

// The name the save dialog proposes: the window's caption and the order of the curve drawn.
std::filesystem::path ProposedPictureName(std::string_view caption, std::optional<double> order);

// The report of a copy the system refused, with its reason.
ErrorReport CopyFailureReport(const std::string& reason);

// A path as the program's own text, UTF-8.
std::string PathText(const std::filesystem::path& path);

// The name a picture is saved under: the one the user gave, with ".png" unless it ends in it
// already, in any case.
std::filesystem::path WithPngExtension(std::filesystem::path path);

// The file operations a picture is saved with, as the window system provides them. Each that
// can fail returns the system's reason when it does.
class PictureFiles {
public:
    virtual ~PictureFiles() = default;

    // The file a path names, symbolic links followed; the path itself when nothing is there.
    virtual std::filesystem::path Resolve(const std::filesystem::path& path) = 0;
    virtual bool Exists(const std::filesystem::path& path) = 0;
    // Whether a file is there that is marked as not to be written.
    virtual bool ReadOnly(const std::filesystem::path& path) = 0;
    // Writes a picture as PNG into a new file, made for it alone and never in the place of
    // another, and sees it on the disk. A failure leaves no file of its making.
    virtual std::optional<std::string> WritePng(const std::filesystem::path& path,
                                                const ImageView& picture) = 0;
    // Puts a file in the place of another, in one step: the other is whole until then. A file
    // it replaces leaves its permissions to the new one, as far as the system lets it.
    virtual std::optional<std::string> Replace(const std::filesystem::path& from,
                                               const std::filesystem::path& to) = 0;
    virtual void Remove(const std::filesystem::path& path) = 0;
};

// The reason a read-only file is not saved over.
inline constexpr std::string_view kReadOnlyReason = "読み取り専用のファイルです。";

// Saves a picture as a PNG file at `target`, or at the file it links to, without ever leaving
// part of one there, or losing the file that was there: the picture is written to a new file
// beside it, which then takes its place with its permissions. A read-only file is left as it
// is. On a failure, which its reason comes back for, the target is as it was and nothing else
// is left.
std::optional<std::string> SavePicture(PictureFiles& files, const std::filesystem::path& target,
                                       const ImageView& picture);

// Asks the user, by the system's own save dialog, where to save a file, proposing a path. The
// dialog asks before it gives a file that is there. Nothing if the user cancels.
using AskSaveName =
    std::function<std::optional<std::filesystem::path>(const std::filesystem::path& proposed)>;
// Asks the user whether a file that is there is to be replaced.
using AskReplace = std::function<bool(const std::filesystem::path& file)>;

// The question that asks it.
std::string ReplaceQuestion(const std::filesystem::path& file);

// The folder the first save of a run proposes: the user's pictures, where that folder is there,
// and `otherwise` where it is not.
std::filesystem::path FirstSaveFolder(const std::filesystem::path& pictures,
                                      const std::filesystem::path& otherwise);

// The window's command that saves its picture as PNG where the user says. The dialog proposes
// the name of the curve shown in the folder of the last save of this run, which then becomes
// the chosen one's. A name that does not end in ".png" gets it; if that names a file the dialog
// did not ask about, the user is asked whether to replace it. A cancelled dialog does nothing; a
// failed save is reported, naming the file and the reason, and leaves nothing behind.
class SaveCommand {
public:
    SaveCommand(std::string_view caption, std::filesystem::path firstFolder, AskSaveName askName,
                AskReplace askReplace, std::function<void(const ErrorReport&)> report);

    // Saves a picture of the curve of `order`, none before the first drawing.
    void Run(const ImageView& picture, std::optional<double> order, PictureFiles& files);

    const std::filesystem::path& Folder() const { return folder_; }

private:
    std::string_view caption_;
    std::filesystem::path folder_;
    AskSaveName askName_;
    AskReplace askReplace_;
    std::function<void(const ErrorReport&)> report_;
};

} // namespace vorrelin
