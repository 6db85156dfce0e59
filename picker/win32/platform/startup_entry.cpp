#include "startup_entry.h"

#include <optional>
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
    RegistryKey() : key_(nullptr) {}
    ~RegistryKey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    RegistryKey(const RegistryKey &) = delete;
    RegistryKey &operator=(const RegistryKey &) = delete;

    HKEY *out() { return &key_; }
    HKEY get() const { return key_; }

  private:
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

// The value's text; empty when it is not there or is not text.
std::optional<std::wstring> ReadRunValue() {
    RegistryKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, RunKeyPath().c_str(), 0, KEY_QUERY_VALUE, key.out()) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD size = 0;
    const std::wstring name = RunValueName();
    if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return std::nullopt;
    }
    std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE *>(text.data()), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(text.data());
}

}  // namespace

StartupEntry::StartupEntry(std::wstring exePath)
    : exePath_(exePath.empty() ? OwnPath() : std::move(exePath)) {}

bool StartupEntry::IsSet() const {
    const std::optional<std::wstring> value = ReadRunValue();
    return value && IsRunValueFor(Utf16FromWide(*value), Utf16FromWide(exePath_));
}

void StartupEntry::Set(bool on) {
    if (on) {
        if (IsSet()) return;
        const std::optional<std::u16string> text = RunValueText(Utf16FromWide(exePath_));
        if (!text) Refuse(messages::kCannotRegisterStartup, messages::kProgramPathUnusable);
        RegistryKey key;
        LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, RunKeyPath().c_str(), 0, nullptr, 0,
                                         KEY_SET_VALUE, nullptr, key.out(), nullptr);
        if (status == ERROR_SUCCESS) {
            const std::wstring wide = WideFromUtf16(*text);
            status = RegSetValueExW(key.get(), RunValueName().c_str(), 0, REG_SZ,
                                    reinterpret_cast<const BYTE *>(wide.c_str()),
                                    static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
        }
        if (status != ERROR_SUCCESS) {
            Refuse(messages::kCannotRegisterStartup, SystemReason(static_cast<DWORD>(status)));
        }
        return;
    }
    RegistryKey key;
    LSTATUS status =
        RegOpenKeyExW(HKEY_CURRENT_USER, RunKeyPath().c_str(), 0, KEY_SET_VALUE, key.out());
    if (status == ERROR_SUCCESS) status = RegDeleteValueW(key.get(), RunValueName().c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
        Refuse(messages::kCannotUnregisterStartup, SystemReason(static_cast<DWORD>(status)));
    }
}

}  // namespace tintwell::win32
