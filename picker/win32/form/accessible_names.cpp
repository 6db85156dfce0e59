#include "accessible_names.h"

#include <initguid.h>  // defines the service's GUIDs here, so oleacc is not linked

#include <oleacc.h>

#include <algorithm>
#include <exception>

namespace tintwell::win32 {

AccessibleNames::AccessibleNames()
    : ole32_(L"ole32.dll"),
      coInitializeEx_(ole32_, "CoInitializeEx"),
      coCreateInstance_(ole32_, "CoCreateInstance"),
      coUninitialize_(ole32_, "CoUninitialize"),
      looked_(false),
      comStarted_(false),
      services_(nullptr),
      named_() {}

AccessibleNames::AccessibleNames(IAccPropServices *services) : AccessibleNames() {
    looked_ = true;
    services_ = services;
    if (services_ != nullptr) services_->AddRef();
}

AccessibleNames::~AccessibleNames() {
    ClearAll();
    if (services_ != nullptr) services_->Release();
    if (comStarted_) coUninitialize_.Get()();
}

IAccPropServices *AccessibleNames::Services() {
    if (looked_) return services_;
    looked_ = true;
    try {
        auto initialise = coInitializeEx_.GetOptional();
        auto create = coCreateInstance_.GetOptional();
        auto uninitialise = coUninitialize_.GetOptional();
        if (initialise == nullptr || create == nullptr || uninitialise == nullptr) return nullptr;
        // S_FALSE: COM was already started on this thread; it still wants its uninitialise.
        const HRESULT started = initialise(nullptr, COINIT_APARTMENTTHREADED);
        comStarted_ = SUCCEEDED(started);
        void *services = nullptr;
        if (FAILED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                          IID_IAccPropServices, &services))) {
            return nullptr;
        }
        services_ = static_cast<IAccPropServices *>(services);
    } catch (const std::exception &) {
        // ole32 missing: no names, and nothing else lost.
    }
    return services_;
}

bool AccessibleNames::Set(HWND window, const wchar_t *name) {
    return SetProperty(window, PROPID_ACC_NAME, name);
}

bool AccessibleNames::SetDescription(HWND window, const wchar_t *description) {
    return SetProperty(window, PROPID_ACC_DESCRIPTION, description);
}

bool AccessibleNames::SetProperty(HWND window, const GUID &property, const wchar_t *text) {
    IAccPropServices *services = Services();
    if (services == nullptr || window == nullptr) return false;
    if (FAILED(services->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                        property, text))) {
        return false;
    }
    if (std::find(named_.begin(), named_.end(), window) == named_.end()) named_.push_back(window);
    return true;
}

void AccessibleNames::ClearAll() {
    if (services_ == nullptr) return;
    MSAAPROPID properties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
    for (HWND window : named_) {
        services_->ClearHwndProps(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                  properties, 2);
    }
    named_.clear();
}

}  // namespace tintwell::win32
