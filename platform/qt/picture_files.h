#pragma once

#include "window/picture_file.h"

#include <QWidget>
#include <filesystem>
#include <optional>
#include <string_view>

namespace vorrelin {

// Pictures saved on Qt: written as PNG by QImage's writer, which libpng encodes, and put in
// place by the file system's rename, which replaces a file in one step.
class QtPictureFiles : public PictureFiles {
public:
    std::optional<std::string> WritePng(const std::filesystem::path& path,
                                        const ImageView& picture) override;
    std::optional<std::string> Replace(const std::filesystem::path& from,
                                       const std::filesystem::path& to) override;
    void Remove(const std::filesystem::path& path) override;
};

// Asks where to save a file of one kind, with the desktop's own save dialog where the platform
// offers one and Qt's otherwise; the dialog asks before a file is replaced, and gives a name
// without an extension `suffix`. Nothing if the user cancels.
std::optional<std::filesystem::path> ShowSaveDialog(QWidget* parent, std::string_view title,
                                                    std::string_view kind, std::string_view suffix,
                                                    const std::filesystem::path& proposed);

} // namespace vorrelin
