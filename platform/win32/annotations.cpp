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
    Text(control, PROPID_ACC_NAME, name);
}

void Annotations::Description(HWND control, std::string_view description) {
    Text(control, PROPID_ACC_DESCRIPTION, description);
}

void Annotations::Role(HWND control, long role) {
    if (service_) {
        VARIANT value{};
        value.vt = VT_I4;
        value.lVal = role;
        service_->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                              PROPID_ACC_ROLE, value);
    }
}

void Annotations::Text(HWND control, MSAAPROPID property, std::string_view text) {
    if (service_) {
        service_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 property, Widen(text).c_str());
    }
}

} // namespace vorrelin::win32
