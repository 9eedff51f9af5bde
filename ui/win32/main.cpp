// VorrelinCurve for Windows: creates the window and runs it. The program reads no arguments.

#include "ui/win32/form1_window.h"

#include <commctrl.h>
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    // The program speaks Japanese, and says so to the system's own dialogs.
    SetThreadUILanguage(MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN));
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    vorrelin::win32::Form1Window window(instance);
    return window.Run(showCommand);
}
