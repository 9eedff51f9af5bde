// VorrelinCurve for Windows: creates the window and runs it. The program reads no arguments.

#include "platform/win32/error.h"
#include "platform/win32/text.h"
#include "runtime/dispatcher.h"
#include "runtime/program.h"
#include "ui/win32/form1_window.h"

#include <commctrl.h>
#include <exception>
#include <memory>
#include <windows.h>

namespace {

// A start that fails is told on stderr, where the program has one, and in a message box.
int StartFailed(const char* reason) {
    using namespace vorrelin::win32;
    return vorrelin::ReportStartFailure(
        vorrelin::kProgramName, reason, [](const vorrelin::ErrorReport& report) {
            MessageBoxW(nullptr, Widen(report.text).c_str(), Widen(report.title).c_str(),
                        MB_OK | MB_ICONERROR);
        });
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    using namespace vorrelin::win32;
    // The system's dialogs, codecs and annotations need it.
    const ComApartment com = JoinComApartment();
    std::unique_ptr<Form1Window> window;
    try {
        // The program speaks Japanese, and says so to the system's own dialogs.
        SetThreadUILanguage(MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN));
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
        if (!InitCommonControlsEx(&controls)) {
            ThrowLastError("InitCommonControlsEx");
        }
        window = std::make_unique<Form1Window>(instance);
    } catch (const std::exception& error) {
        return StartFailed(error.what());
    }
    FormWindow& form = window->Window();
    form.Show(showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!form.Translate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
