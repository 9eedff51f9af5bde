#include "ui/qt/form1_window.h"

#include "platform/qt/png_files.h"
#include "platform/qt/save_dialog.h"
#include "platform/qt/text.h"
#include "ui/form1_description.h"
#include "ui/form1_events.h"

#include <QDir>
#include <QIcon>
#include <QStandardPaths>

namespace vorrelin {

namespace {

// The user's pictures, or home without them.
std::filesystem::path FirstFolder() {
    return FirstSaveFolder(
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation).toStdString(),
        QDir::homePath().toStdString());
}

} // namespace

Form1Window::Form1Window(QWidget* parent, AskSaveName askSaveName)
    : FormWindow(
          kForm1,
          [this](std::string_view control, Event event) {
              HandleAndDescribe(form_, control, event, [this](const std::string& description) {
                  Picture("Picture1").setAccessibleDescription(FromUtf8(description));
              });
          },
          parent),
      text1_(TextBox("Text1")), text2_(TextBox("Text2")),
      form_(Picture("Picture1").Surface(), text1_, text2_, Timer("Timer1")),
      save_(kForm1.caption, FirstFolder(),
            askSaveName ? std::move(askSaveName)
                        : [this](const std::filesystem::path& proposed) {
                              return ShowSaveDialog(this, kSaveTitle, kPngFiles, kPngSuffix,
                                                    proposed);
                          },
            [this](const std::filesystem::path& file) {
                return ConfirmReplace(this, kSaveTitle, file);
            },
            [this](const ErrorReport& report) { ShowReport(report); }) {
    setWindowIcon(QIcon(QStringLiteral(":/icons/vorrelincurve.xpm")));
    PictureBox& picture = Picture("Picture1");
    picture.setAccessibleName(FromUtf8(kPictureName));
    AddMenu("Picture1",
            PictureCommands([&picture] { picture.CopyPicture(); }, [this] { SavePicture(); }));
    Raise(kForm1.name, Event::Load);
}

// The picture is taken as the user asks, before the dialog opens.
void Form1Window::SavePicture() {
    const Image picture = Picture("Picture1").TakePicture();
    QtPngFiles files;
    save_.Run(picture.View(), form_.OrderOnPicture(), files);
}

} // namespace vorrelin
