#include "platform/win32/png_files.h"

#include "platform/win32/error.h"
#include "platform/win32/handles.h"
#include "platform/win32/wic_png.h"

#include <system_error>
#include <windows.h>

namespace vorrelin::win32 {

std::filesystem::path WicPngFiles::Resolve(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
    return error ? path : resolved;
}

bool WicPngFiles::Exists(const std::filesystem::path& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WicPngFiles::ReadOnly(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

std::optional<std::string> WicPngFiles::WritePng(const std::filesystem::path& path,
                                                 const ImageView& picture) {
    std::string png;
    try {
        png = EncodePng(picture);
    } catch (const SystemError& error) {
        return SystemMessage(error.Code());
    }
    DWORD reason = ERROR_SUCCESS;
    {
        const OwnedFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            return SystemMessage(GetLastError());
        }
        DWORD written = 0;
        if (!WriteFile(file.Get(), png.data(), static_cast<DWORD>(png.size()), &written,
                       nullptr) ||
            written != png.size() || !FlushFileBuffers(file.Get())) {
            reason = GetLastError();
        }
    }
    if (reason != ERROR_SUCCESS) {
        DeleteFileW(path.c_str());
        return SystemMessage(reason);
    }
    return {};
}

std::optional<std::string> WicPngFiles::Replace(const std::filesystem::path& from,
                                                const std::filesystem::path& to) {
    const bool replaced = Exists(to) ? ReplaceFileW(to.c_str(), from.c_str(), nullptr,
                                                    REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                                                    nullptr)
                                     : MoveFileExW(from.c_str(), to.c_str(),
                                                   MOVEFILE_WRITE_THROUGH);
    if (!replaced) {
        return SystemMessage(GetLastError());
    }
    return {};
}

void WicPngFiles::Remove(const std::filesystem::path& path) {
    DeleteFileW(path.c_str()); // there is nothing to remove if it was never made
}

} // namespace vorrelin::win32
