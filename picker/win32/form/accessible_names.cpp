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
      set_() {}

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
    const std::pair<HWND, GUID> entry{window, property};
    const auto same = [&](const std::pair<HWND, GUID> &e) {
        return e.first == window && IsEqualGUID(e.second, property);
    };
    if (std::find_if(set_.begin(), set_.end(), same) == set_.end()) set_.push_back(entry);
    return true;
}

void AccessibleNames::ClearAll() {
    if (services_ == nullptr) return;
    for (std::pair<HWND, GUID> &entry : set_) {
        services_->ClearHwndProps(entry.first, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                  &entry.second, 1);
    }
    set_.clear();
}

}  // namespace tintwell::win32
