#include "ui/win32/form1_window.h"

#include "platform/win32/error.h"
#include "platform/win32/png_files.h"
#include "platform/win32/save_dialog.h"
#include "ui/form1_description.h"
#include "ui/form1_events.h"

#include <shlobj.h>

namespace vorrelin::win32 {

namespace {

// The icon's resource id in the executable.
constexpr int kIconId = 1;

// The user's pictures, where the system knows of them; the dialog's own choice otherwise.
std::filesystem::path FirstFolder() {
    wchar_t* pictures = nullptr;
    std::filesystem::path folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Pictures, 0, nullptr, &pictures))) {
        folder = pictures;
    }
    CoTaskMemFree(pictures);
    return FirstSaveFolder(folder, {});
}

} // namespace

Form1Window::Form1Window(HINSTANCE instance)
    : window_(
          kForm1,
          [this](std::string_view control, Event event) {
              HandleAndDescribe(form_, control, event, [this](const std::string& description) {
                  window_.DescribePicture("Picture1", kPictureName, description);
              });
          },
          instance, LoadIconW(instance, MAKEINTRESOURCEW(kIconId))),
      text1_(window_.Control("Text1")), text2_(window_.Control("Text2")),
      form_(window_.Picture("Picture1").Surface(), text1_, text2_, window_.Timer("Timer1")),
      save_(
          kForm1.caption, FirstFolder(),
          [this](const std::filesystem::path& proposed) {
              return ShowSaveDialog(window_.Handle(), kSaveTitle, kPngFiles, kPngSuffix, proposed);
          },
          [this](const std::filesystem::path& file) {
              return ConfirmReplace(window_.Handle(), kSaveTitle, file);
          },
          [this](const ErrorReport& report) { window_.ShowReport(report); }) {
    window_.AddMenu("Picture1",
                    PictureCommands([this] { CopyPicture(); }, [this] { SavePicture(); }));
    window_.Raise(kForm1.name, Event::Load);
}

void Form1Window::CopyPicture() {
    try {
        window_.Copy(window_.Picture("Picture1").TakePicture());
    } catch (const SystemError& error) {
        window_.ShowReport(CopyFailureReport(SystemMessage(error.Code())));
    }
}

// The picture is taken as the user asks, before the dialog opens.
void Form1Window::SavePicture() {
    const Image picture = window_.Picture("Picture1").TakePicture();
    WicPngFiles files;
    save_.Run(picture.View(), form_.OrderOnPicture(), files);
}

} // namespace vorrelin::win32
