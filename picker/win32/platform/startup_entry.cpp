#include "startup_entry.h"

#include <utility>
#include <vector>

#include "colour_word.h"
#include "run_value.h"
#include "system_reason.h"
#include "text_conversion.h"
#include "user_texts.h"

namespace tintwell::win32 {

namespace {

// A registry key, closed with the object.
class RegistryKey {
  public:
    explicit RegistryKey(LSTATUS(WINAPI *close)(HKEY)) : close_(close), key_(nullptr) {}
    ~RegistryKey() {
        if (key_ != nullptr) close_(key_);
    }
    RegistryKey(const RegistryKey &) = delete;
    RegistryKey &operator=(const RegistryKey &) = delete;

    HKEY *out() { return &key_; }
    HKEY get() const { return key_; }

  private:
    LSTATUS(WINAPI *close_)(HKEY);
    HKEY key_;
};

std::wstring RunKeyPath() {
    return WideFromUtf16(kRunKeyPath);
}

std::wstring RunValueName() {
    return WideFromUtf16(kRunValueName);
}

std::wstring OwnPath() {
    // Long enough for any path the system gives a program, \\?\ paths included.
    std::vector<wchar_t> path(32768);
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0 || length >= path.size()) return std::wstring();
    return std::wstring(path.data(), length);
}

[[noreturn]] void Refuse(const char *what, const std::string &why) {
    std::string message = what;
    if (!why.empty()) message += " " + why;
    throw PickerError(message);
}

}  // namespace

StartupEntry::StartupEntry(std::wstring exePath)
    : exePath_(exePath.empty() ? OwnPath() : std::move(exePath)),
      advapi32_(L"advapi32.dll"),
      openKey_(advapi32_, "RegOpenKeyExW"),
      createKey_(advapi32_, "RegCreateKeyExW"),
      queryValue_(advapi32_, "RegQueryValueExW"),
      setValue_(advapi32_, "RegSetValueExW"),
      deleteValue_(advapi32_, "RegDeleteValueW"),
      closeKey_(advapi32_, "RegCloseKey") {}

std::optional<std::wstring> StartupEntry::Read() {
    RegistryKey key(closeKey_.Get());
    if (openKey_.Get()(HKEY_CURRENT_USER, RunKeyPath().c_str(), 0, KEY_QUERY_VALUE, key.out()) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    const auto query = queryValue_.Get();
    const std::wstring name = RunValueName();
    DWORD type = 0;
    DWORD size = 0;
    if (query(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return std::nullopt;
    }
    // One more unit than asked for: a value written without its ending zero still
    // ends, and an odd byte count is not cut short.
    std::vector<wchar_t> text(size / sizeof(wchar_t) + 2, L'\0');
    DWORD room = static_cast<DWORD>((text.size() - 1) * sizeof(wchar_t));
    if (query(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE *>(text.data()),
              &room) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(text.data());
}

bool StartupEntry::IsSet() {
    try {
        const std::optional<std::wstring> value = Read();
        return value && IsRunValueFor(Utf16FromWide(*value), Utf16FromWide(exePath_));
    } catch (const PickerError &) {
        return false;
    }
}

void StartupEntry::Write() {
    const std::optional<std::u16string> text = RunValueText(Utf16FromWide(exePath_));
    if (!text) Refuse(messages::kCannotRegisterStartup, messages::kProgramPathUnusable);
    RegistryKey key(closeKey_.Get());
    LSTATUS status = createKey_.Get()(HKEY_CURRENT_USER, RunKeyPath().c_str(), 0, nullptr, 0,
                                      KEY_SET_VALUE, nullptr, key.out(), nullptr);
    if (status == ERROR_SUCCESS) {
        const std::wstring wide = WideFromUtf16(*text);
        status = setValue_.Get()(key.get(), RunValueName().c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE *>(wide.c_str()),
                                 static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
    }
    if (status != ERROR_SUCCESS) {
        Refuse(messages::kCannotRegisterStartup, SystemReason(static_cast<DWORD>(status)));
    }
}

void StartupEntry::Delete() {
    RegistryKey key(closeKey_.Get());
    LSTATUS status =
        openKey_.Get()(HKEY_CURRENT_USER, RunKeyPath().c_str(), 0, KEY_SET_VALUE, key.out());
    if (status == ERROR_SUCCESS) status = deleteValue_.Get()(key.get(), RunValueName().c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
        Refuse(messages::kCannotUnregisterStartup, SystemReason(static_cast<DWORD>(status)));
    }
}

void StartupEntry::Set(bool on) {
    const char *refused =
        on ? messages::kCannotRegisterStartup : messages::kCannotUnregisterStartup;
    // Bound first, so that a system without them is told as what could not be done.
    try {
        openKey_.Get();
        createKey_.Get();
        queryValue_.Get();
        setValue_.Get();
        deleteValue_.Get();
        closeKey_.Get();
    } catch (const PickerError &error) {
        Refuse(refused, error.what());
    }
    if (!on) {
        Delete();
    } else if (!IsSet()) {
        Write();
    }
}

}  // namespace tintwell::win32
