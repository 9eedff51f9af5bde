#include "platform/qt/save_dialog.h"

#include "platform/qt/text.h"
#include "window/picture_keeping.h"

#include <QFileDialog>
#include <QMessageBox>

namespace vorrelin {

std::optional<std::filesystem::path> ShowSaveDialog(QWidget* parent, std::string_view title,
                                                    std::string_view kind, std::string_view suffix,
                                                    const std::filesystem::path& proposed) {
    QFileDialog dialog(parent, FromUtf8(title), FromUtf8(PathText(proposed)),
                       FromUtf8(kind) + " (*." + FromUtf8(suffix) + ")");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(FromUtf8(suffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return std::filesystem::path(dialog.selectedFiles().front().toStdString());
}

bool ConfirmReplace(QWidget* parent, std::string_view title, const std::filesystem::path& file) {
    return QMessageBox::question(parent, FromUtf8(title), FromUtf8(ReplaceQuestion(file))) ==
           QMessageBox::Yes;
}

} // namespace vorrelin
