#include "platform/win32/save_dialog.h"

#include "platform/win32/error.h"
#include "platform/win32/text.h"
#include "window/picture_keeping.h"

#include <shlobj.h>
#include <shobjidl.h>
#include <wrl/client.h>

namespace vorrelin::win32 {

using Microsoft::WRL::ComPtr;

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

bool ConfirmReplace(HWND owner, std::string_view title, const std::filesystem::path& file) {
    return MessageBoxW(owner, Widen(ReplaceQuestion(file)).c_str(), Widen(title).c_str(),
                       MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

} // namespace vorrelin::win32
