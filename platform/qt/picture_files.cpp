#include "platform/qt/picture_files.h"

#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QImageWriter>
#include <system_error>
#include <unistd.h>

namespace vorrelin {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString FromPath(const std::filesystem::path& path) {
    return FromUtf8(PathText(path));
}

} // namespace

// The file is opened here rather than by the writer, whose own reason for a file it cannot open
// says less than the system's; and it reaches the disk before it takes the place of another.
std::optional<std::string> QtPictureFiles::WritePng(const std::filesystem::path& path,
                                                    const ImageView& picture) {
    QFile file(FromPath(path));
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString().toStdString();
    }
    const QImage image(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                       picture.height, picture.BytesPerLine(), QImage::Format_RGB32);
    QImageWriter writer(&file, "png");
    if (!writer.write(image)) {
        return writer.errorString().toStdString();
    }
    if (!file.flush() || fsync(file.handle()) != 0) {
        return file.errorString().toStdString();
    }
    return {};
}

std::optional<std::string> QtPictureFiles::Replace(const std::filesystem::path& from,
                                                   const std::filesystem::path& to) {
    std::error_code error;
    std::filesystem::rename(from, to, error);
    if (error) {
        return error.message();
    }
    return {};
}

void QtPictureFiles::Remove(const std::filesystem::path& path) {
    std::error_code ignored; // there is nothing to remove if it was never made
    std::filesystem::remove(path, ignored);
}

std::optional<std::filesystem::path> ShowSaveDialog(QWidget* parent, std::string_view title,
                                                    std::string_view kind, std::string_view suffix,
                                                    const std::filesystem::path& proposed) {
    QFileDialog dialog(parent, FromUtf8(title), FromPath(proposed),
                       FromUtf8(kind) + " (*." + FromUtf8(suffix) + ")");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(FromUtf8(suffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return std::filesystem::path(dialog.selectedFiles().front().toStdString());
}

} // namespace vorrelin
