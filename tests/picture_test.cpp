#include "window/picture_keeping.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace vorrelin {
namespace {

using std::filesystem::path;

// Files in memory that behave as the systems' own: a failed write leaves nothing, a replacement
// is one step, and only from the target's own folder, so that it is one on every file system.
struct MemoryFiles : PictureFiles {
    std::map<path, std::string> files;
    std::map<path, path> links;
    std::set<path> readOnly;
    bool replaceFails = false;

    path Resolve(const path& file) override { return links.contains(file) ? links[file] : file; }
    bool Exists(const path& file) override { return files.contains(file); }
    bool ReadOnly(const path& file) override { return readOnly.contains(file); }
    std::optional<std::string> WritePng(const path& file, const ImageView& picture) override {
        if (picture.width == 0) {
            return "No space left on device";
        }
        EXPECT_FALSE(files.contains(file));
        files[file] = "PNG " + std::to_string(picture.width);
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

// The dialog proposes a name in the last folder; the picture is written beside its file, then
// takes its place; ".png" added to a name may make one the user is asked about; a failure names
// the file and the reason, and leaves the old file whole and nothing else.
TEST(SavePicture, WritesBesideTheTargetAndReplacesItOnlyWhenComplete) {
    const std::map<path, std::string> before = {
        {"/p/old.png", "old"}, {"/p/ro.png", "ro"}, {"/q/real.png", "real"}};
    const std::vector<Pixel> pixels(6, 0xFF000000);
    const struct {
        const char* what;
        std::optional<path> chosen; // nothing: cancelled
        int width;                  // 0: the write fails
        bool replaceFails;
        bool replace;   // the answer when asked whether to replace a file
        path saved;     // the file that holds the picture afterwards, if any
        std::string report = {};
        std::vector<path> asked = {}; // the files the user is asked about
    } cases[] = {
        {"a new file", path("/p/new"), 3, false, true, "/p/new.png"},
        {"over an old file", path("/p/old.png"), 3, false, true, "/p/old.png"},
        {"through a link", path("/p/link.png"), 3, false, true, "/q/real.png"},
        {"cancelled", {}, 3, false, true, {}},
        {"a name made old, replaced", path("/p/old"), 3, false, true, "/p/old.png", "",
         {"/p/old.png"}},
        {"a name made old, kept", path("/p/old"), 3, false, false, {}, "", {"/p/old.png"}},
        {"a read-only file", path("/p/ro.png"), 3, false, true, {},
         "/p/ro.png\n\n読み取り専用のファイルです。"},
        {"a write that fails", path("/p/old.png"), 0, false, true, {},
         "/p/old.png\n\nNo space left on device"},
        {"a replacement that fails", path("/p/old.png"), 3, true, true, {},
         "/p/old.png\n\nIs a directory"}};
    for (const auto& c : cases) {
        MemoryFiles files;
        files.files = before;
        files.links["/p/link.png"] = "/q/real.png";
        files.readOnly.insert("/p/ro.png");
        files.replaceFails = c.replaceFails;
        path proposed;
        std::vector<path> asked;
        std::string report;
        SaveCommand save(
            "Vorrelin曲線", "/last",
            [&](const path& offered) {
                proposed = offered;
                return c.chosen;
            },
            [&](const path& file) {
                asked.push_back(file);
                return c.replace;
            },
            [&](const ErrorReport& r) { report = r.title + "|" + r.text; });
        save.Run(ImageView{c.width, 2, pixels}, 5, files);
        std::map<path, std::string> after = before;
        if (!c.saved.empty()) {
            after[c.saved] = "PNG 3";
        }
        EXPECT_EQ(proposed, path(u8"/last/Vorrelin曲線 次数5.png")) << c.what;
        EXPECT_EQ(files.files, after) << c.what;
        EXPECT_EQ(asked, c.asked) << c.what;
        EXPECT_EQ(save.Folder(), c.chosen ? c.chosen->parent_path() : path("/last")) << c.what;
        EXPECT_EQ(report, c.report.empty()
                              ? ""
                              : "VorrelinCurve|画像を保存できませんでした。\n\n" + c.report)
            << c.what;
    }
}

// The same rule on every system: ".png" unless the name ends in it, in any case.
TEST(SavePicture, AddsPngUnlessTheNameEndsInIt) {
    const std::pair<const char*, const char*> names[] = {
        {"curve", "curve.png"},       {"curve.png", "curve.png"}, {"curve.PNG", "curve.PNG"},
        {"name.v2", "name.v2.png"},   {"dot.", "dot..png"},       {"a.png.txt", "a.png.txt.png"},
        {"Vorrelin曲線 次数3.5", "Vorrelin曲線 次数3.5.png"}};
    for (const auto& [given, saved] : names) {
        EXPECT_EQ(PathText(WithPngExtension(reinterpret_cast<const char8_t*>(given))), saved)
            << given;
    }
}

// The question names the file alone; the first save goes to the pictures' folder where it is.
TEST(SavePicture, AsksByTheFilesNameAndStartsInThePicturesFolderWhereThereIsOne) {
    EXPECT_EQ(ReplaceQuestion(u8"/p/曲線.png"), "曲線.png は既にあります。\n置き換えますか?");
    EXPECT_EQ(FirstSaveFolder(::testing::TempDir(), "/home"), path(::testing::TempDir()));
    EXPECT_EQ(FirstSaveFolder("/no/such/folder", "/home"), path("/home"));
    EXPECT_EQ(FirstSaveFolder("", "/home"), path("/home"));
}

} // namespace
} // namespace vorrelin
