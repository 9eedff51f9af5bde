#include "platform/win32/picture_files.h"

#include "platform/win32/error.h"
#include "platform/win32/text.h"

#include <cstring>
#include <shlobj.h>
#include <shobjidl.h>
#include <wincodec.h>
#include <wrl/client.h>

namespace vorrelin::win32 {

using Microsoft::WRL::ComPtr;

namespace {

// The picture's rows as WIC's 24-bit BGR, which its PNG encoder writes without an alpha
// channel: the pixels are opaque.
std::string Bgr(const ImageView& picture) {
    std::string rows;
    rows.reserve(picture.pixels.size() * 3);
    for (const Pixel pixel : picture.pixels) {
        rows += static_cast<char>(pixel & 0xFF);
        rows += static_cast<char>(pixel >> 8 & 0xFF);
        rows += static_cast<char>(pixel >> 16 & 0xFF);
    }
    return rows;
}

// A block of movable global memory holding `bytes`, as the clipboard takes them; freed with
// its owner unless the clipboard took it.
class GlobalBlock {
public:
    explicit GlobalBlock(std::string_view bytes)
        : memory_(GlobalAlloc(GMEM_MOVEABLE, bytes.size())) {
        void* at = memory_ ? GlobalLock(memory_) : nullptr;
        if (!at) {
            ThrowLastError("GlobalAlloc");
        }
        std::memcpy(at, bytes.data(), bytes.size());
        GlobalUnlock(memory_);
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    ~GlobalBlock() {
        if (memory_) {
            GlobalFree(memory_);
        }
    }

    // Hands the block to the clipboard in a format.
    void SetClipboardData(UINT format) {
        if (!::SetClipboardData(format, memory_)) {
            ThrowLastError("SetClipboardData");
        }
        memory_ = nullptr;
    }

private:
    HGLOBAL memory_;
};

// The clipboard, opened for a window and closed again on every path.
class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) {
        if (!OpenClipboard(owner)) {
            ThrowLastError("OpenClipboard");
        }
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    ~OpenClipboardScope() { CloseClipboard(); }
};

// The picture as a device-independent bitmap: its header, then its rows bottom up, 32 bits a
// pixel as the picture holds them.
std::string Dib(const ImageView& picture) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = picture.width;
    header.biHeight = picture.height; // bottom up, as every program reads them
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    std::string dib(reinterpret_cast<const char*>(&header), sizeof header);
    for (int y = picture.height - 1; y >= 0; --y) {
        dib.append(reinterpret_cast<const char*>(
                       &picture.pixels[static_cast<std::size_t>(y) * picture.width]),
                   static_cast<std::size_t>(picture.BytesPerLine()));
    }
    return dib;
}

} // namespace

std::string EncodePng(const ImageView& picture) {
    ComPtr<IWICImagingFactory> factory;
    Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                           IID_PPV_ARGS(&factory)),
          "CoCreateInstance(WICImagingFactory)");
    ComPtr<IStream> stream;
    Check(CreateStreamOnHGlobal(nullptr, TRUE, &stream), "CreateStreamOnHGlobal");
    ComPtr<IWICBitmapEncoder> encoder;
    Check(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder), "CreateEncoder");
    Check(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache), "IWICBitmapEncoder");
    ComPtr<IWICBitmapFrameEncode> frame;
    Check(encoder->CreateNewFrame(&frame, nullptr), "CreateNewFrame");
    Check(frame->Initialize(nullptr), "IWICBitmapFrameEncode");
    Check(frame->SetSize(static_cast<UINT>(picture.width), static_cast<UINT>(picture.height)),
          "SetSize");
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    Check(frame->SetPixelFormat(&format), "SetPixelFormat");
    if (format != GUID_WICPixelFormat24bppBGR) {
        Check(WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT, "SetPixelFormat");
    }
    std::string rows = Bgr(picture);
    const UINT stride = static_cast<UINT>(picture.width) * 3;
    Check(frame->WritePixels(static_cast<UINT>(picture.height), stride,
                             static_cast<UINT>(rows.size()), reinterpret_cast<BYTE*>(rows.data())),
          "WritePixels");
    Check(frame->Commit(), "IWICBitmapFrameEncode::Commit");
    Check(encoder->Commit(), "IWICBitmapEncoder::Commit");

    HGLOBAL memory = nullptr;
    Check(GetHGlobalFromStream(stream.Get(), &memory), "GetHGlobalFromStream");
    STATSTG status{};
    Check(stream->Stat(&status, STATFLAG_NONAME), "IStream::Stat");
    const void* bytes = GlobalLock(memory);
    std::string png(static_cast<const char*>(bytes), status.cbSize.QuadPart);
    GlobalUnlock(memory);
    return png;
}

std::optional<std::string> WicPictureFiles::WritePng(const std::filesystem::path& path,
                                                     const ImageView& picture) {
    std::string png;
    try {
        png = EncodePng(picture);
    } catch (const SystemError& error) {
        return SystemMessage(error.Code());
    }
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return SystemMessage(GetLastError());
    }
    DWORD written = 0;
    const bool whole =
        WriteFile(file, png.data(), static_cast<DWORD>(png.size()), &written, nullptr) &&
        written == png.size() && FlushFileBuffers(file);
    const DWORD reason = GetLastError();
    CloseHandle(file);
    if (!whole) {
        return SystemMessage(reason);
    }
    return {};
}

std::optional<std::string> WicPictureFiles::Replace(const std::filesystem::path& from,
                                                    const std::filesystem::path& to) {
    if (!MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return SystemMessage(GetLastError());
    }
    return {};
}

void WicPictureFiles::Remove(const std::filesystem::path& path) {
    DeleteFileW(path.c_str()); // there is nothing to remove if it was never made
}

void CopyToClipboard(HWND owner, const ImageView& picture) {
    GlobalBlock dib(Dib(picture));
    GlobalBlock png(EncodePng(picture));
    const UINT pngFormat = RegisterClipboardFormatW(L"PNG");
    if (!pngFormat) {
        ThrowLastError("RegisterClipboardFormat");
    }
    const OpenClipboardScope clipboard(owner);
    if (!EmptyClipboard()) {
        ThrowLastError("EmptyClipboard");
    }
    dib.SetClipboardData(CF_DIB);
    png.SetClipboardData(pngFormat);
}

std::optional<std::filesystem::path> ShowSaveDialog(HWND owner, std::string_view title,
                                                    std::string_view kind, std::string_view suffix,
                                                    const std::filesystem::path& proposed) {
    ComPtr<IFileSaveDialog> dialog;
    Check(CoCreateInstance(CLSID_FileSaveDialog, nullptr, CLSCTX_INPROC_SERVER,
                           IID_PPV_ARGS(&dialog)),
          "CoCreateInstance(FileSaveDialog)");
    const std::wstring name = Widen(kind);
    const std::wstring pattern = L"*." + Widen(suffix);
    const COMDLG_FILTERSPEC types[] = {{name.c_str(), pattern.c_str()}};
    Check(dialog->SetFileTypes(1, types), "SetFileTypes");
    Check(dialog->SetDefaultExtension(Widen(suffix).c_str()), "SetDefaultExtension");
    Check(dialog->SetTitle(Widen(title).c_str()), "SetTitle");
    Check(dialog->SetFileName(proposed.filename().c_str()), "SetFileName");
    FILEOPENDIALOGOPTIONS options = 0;
    Check(dialog->GetOptions(&options), "GetOptions");
    Check(dialog->SetOptions(options | FOS_OVERWRITEPROMPT | FOS_FORCEFILESYSTEM |
                             FOS_NOREADONLYRETURN),
          "SetOptions");
    ComPtr<IShellItem> folder;
    if (proposed.has_parent_path() &&
        SUCCEEDED(SHCreateItemFromParsingName(proposed.parent_path().c_str(), nullptr,
                                              IID_PPV_ARGS(&folder)))) {
        dialog->SetFolder(folder.Get()); // a folder gone since the last save leaves the default
    }
    const HRESULT shown = dialog->Show(owner);
    if (shown == HRESULT_FROM_WIN32(ERROR_CANCELLED)) {
        return {};
    }
    Check(shown, "IFileSaveDialog::Show");
    ComPtr<IShellItem> chosen;
    Check(dialog->GetResult(&chosen), "IFileSaveDialog::GetResult");
    wchar_t* path = nullptr;
    Check(chosen->GetDisplayName(SIGDN_FILESYSPATH, &path), "GetDisplayName");
    const std::filesystem::path result(path);
    CoTaskMemFree(path);
    return result;
}

} // namespace vorrelin::win32
