#include "platform/win32/annotations.h"

#include "platform/win32/text.h"

namespace vorrelin::win32 {

Annotations::Annotations() {
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices,
                                reinterpret_cast<void**>(service_.GetAddressOf())))) {
        service_.Reset();
    }
}

void Annotations::Name(HWND control, std::string_view name) {
    if (service_) {
        service_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 PROPID_ACC_NAME, Widen(name).c_str());
    }
}

} // namespace vorrelin::win32
