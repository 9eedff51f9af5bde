#include "ui/qt/form1_window.h"

#include "platform/qt/png_files.h"
#include "platform/qt/save_dialog.h"
#include "ui/form1_description.h"
#include "ui/form1_events.h"

#include <QDir>
#include <QIcon>
#include <QStandardPaths>

namespace vorrelin {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Where the first save of a run is proposed: the user's pictures, or home without them.
std::filesystem::path FirstSaveFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return (QDir(pictures).exists() ? pictures : QDir::homePath()).toStdString();
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
      askSaveName_(std::move(askSaveName)),
      saveFolder_(FirstSaveFolder()) {
    if (!askSaveName_) {
        askSaveName_ = [this](const std::filesystem::path& proposed) {
            return ShowSaveDialog(this, kSaveTitle, kPngFiles, kPngSuffix, proposed);
        };
    }
    setWindowIcon(QIcon(QStringLiteral(":/icons/vorrelincurve.xpm")));
    PictureBox& picture = Picture("Picture1");
    picture.setAccessibleName(FromUtf8(kPictureName));
    AddMenu("Picture1",
            {{kCopyPicture, kCopyKey, MenuCommand::Reach::Control,
              [&picture] { picture.CopyPicture(); }},
             {kSavePicture, kSaveKey, MenuCommand::Reach::Window, [this] { SavePicture(); }}});
    Raise(kForm1.name, Event::Load);
}

// The picture is taken as the user asks, before the dialog opens.
void Form1Window::SavePicture() {
    const Image picture = Picture("Picture1").TakePicture();
    QtPngFiles files;
    SavePictureAs(
        picture.View(), ProposedPictureName(kForm1.caption, form_.OrderOnPicture()), saveFolder_,
        askSaveName_,
        [this](const std::filesystem::path& file) { return ConfirmReplace(this, kSaveTitle, file); },
        files, [this](const ErrorReport& report) { ShowReport(report); });
}

} // namespace vorrelin
