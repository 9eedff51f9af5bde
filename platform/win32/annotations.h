#pragma once

#include <oleacc.h>
#include <string_view>
#include <windows.h>
#include <wrl/client.h>

namespace vorrelin::win32 {

// What a screen reader is told of a control beyond what the control tells it itself, through
// the system's annotation service. Where the system offers none, nothing is added.
class Annotations {
public:
    Annotations();

    void Name(HWND control, std::string_view name);

private:
    Microsoft::WRL::ComPtr<IAccPropServices> service_;
};

} // namespace vorrelin::win32
