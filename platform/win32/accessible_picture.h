#pragma once

#include <windows.h>

namespace vorrelin::win32 {

// The answer to a drawing area's WM_GETOBJECT. For its client area: the system's own object for
// the window, which gives its name, place, state and neighbours, but a picture, described as the
// area is now, whose default action is the first command of the area's menu, run once the
// screen reader's request is answered. The object reads the area through its window whenever it
// is asked, and reports the area gone once the window is. For any other part, 0: the system's.
LRESULT AccessiblePicture(HWND window, WPARAM flags, LPARAM objectId);

} // namespace vorrelin::win32
