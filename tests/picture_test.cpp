#include "ui/picture_commands.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace vorrelin {
namespace {

using std::filesystem::path;

// Files in memory, in the way the window systems' own behave: a write leaves what it wrote,
// all of it or, when it fails, a part; a replacement is one step. A file in a folder marked
// unwritable cannot be made, and a replacement can be made to fail. A replacement only
// takes a file from the target's own folder, so that it is one step on every file system.
struct MemoryFiles : PictureFiles {
    std::map<path, std::string> files;
    path unwritable;
    bool replaceFails = false;

    std::optional<std::string> WritePng(const path& file, const ImageView& picture) override {
        if (file.parent_path() == unwritable) {
            return "Permission denied";
        }
        files[file] = "PNG " + std::to_string(picture.width);
        if (picture.width == 0) {
            files[file] = "PN";
            return "No space left on device";
        }
        return {};
    }
    std::optional<std::string> Replace(const path& from, const path& to) override {
        EXPECT_EQ(from.parent_path(), to.parent_path());
        if (replaceFails) {
            return "Is a directory";
        }
        files[to] = files[from];
        files.erase(from);
        return {};
    }
    void Remove(const path& file) override { files.erase(file); }
};

// Saving the picture of order 5: the dialog proposes its name in the last folder used; the
// picture is written beside the target and then takes its place; a name without an extension
// gets ".png". When a step fails, the report names the file and the system's reason, the old
// file is whole and nothing else is left.
TEST(SavePicture, WritesBesideTheTargetAndReplacesItOnlyWhenComplete) {
    const std::vector<Pixel> pixels(6, 0xFF000000);
    const struct {
        const char* what;
        std::optional<path> chosen; // nothing: cancelled
        int width;                  // 0: the write fails halfway
        bool replaceFails;
        std::map<path, std::string> files; // afterwards
        std::string report;
    } cases[] = {{"a new file",
                  path("/p/new"),
                  3,
                  false,
                  {{"/p/new.png", "PNG 3"}, {"/p/old.png", "old"}},
                  ""},
                 {"over an old file", path("/p/old.png"), 3, false, {{"/p/old.png", "PNG 3"}}, ""},
                 {"cancelled", {}, 3, false, {{"/p/old.png", "old"}}, ""},
                 {"a write that fails halfway",
                  path("/p/old.png"),
                  0,
                  false,
                  {{"/p/old.png", "old"}},
                  "/p/old.png\n\nNo space left on device"},
                 {"a replacement that fails",
                  path("/p/old.png"),
                  3,
                  true,
                  {{"/p/old.png", "old"}},
                  "/p/old.png\n\nIs a directory"},
                 {"an unwritable folder",
                  path("/locked/x.png"),
                  3,
                  false,
                  {{"/p/old.png", "old"}},
                  "/locked/x.png\n\nPermission denied"}};
    for (const auto& c : cases) {
        MemoryFiles files;
        files.files["/p/old.png"] = "old";
        files.unwritable = "/locked";
        files.replaceFails = c.replaceFails;
        path folder = "/last";
        path proposed;
        std::string report;
        SavePictureAs(
            ImageView{c.width, 2, pixels}, 5, folder,
            [&](const path& asked) {
                proposed = asked;
                return c.chosen;
            },
            files, [&](const ErrorReport& r) { report = r.title + "|" + r.text; });
        EXPECT_EQ(proposed, path(u8"/last/Vorrelin曲線 次数5.png")) << c.what;
        EXPECT_EQ(files.files, c.files) << c.what;
        EXPECT_EQ(report, c.report.empty()
                              ? ""
                              : "VorrelinCurve|画像を保存できませんでした。\n\n" + c.report)
            << c.what;
        EXPECT_EQ(folder, c.chosen ? c.chosen->parent_path() : path("/last")) << c.what;
    }
}

} // namespace
} // namespace vorrelin
