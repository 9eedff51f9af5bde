#pragma once

#include <QWidget>
#include <filesystem>
#include <optional>
#include <string_view>

namespace vorrelin {

// Asks where to save a file of one kind, with the desktop's own save dialog where the platform
// offers one and Qt's otherwise; the dialog asks before a file is replaced, and gives a name
// without an extension `suffix`. Nothing if the user cancels.
std::optional<std::filesystem::path> ShowSaveDialog(QWidget* parent, std::string_view title,
                                                    std::string_view kind, std::string_view suffix,
                                                    const std::filesystem::path& proposed);

// Asks whether a file that is there is to be replaced.
bool ConfirmReplace(QWidget* parent, std::string_view title, const std::filesystem::path& file);

} // namespace vorrelin
