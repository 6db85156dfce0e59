#include "copy_templates_file.h"

#include <utility>

#include "form_controls.h"
#include "template_file.h"
#include "text_conversion.h"
#include "user_texts.h"
#include "whole_file.h"

namespace tintwell::win32 {

namespace {

constexpr const wchar_t *kTemplatesFileName = L"\\formats.txt";
// 32 templates of 200 characters and plenty of comments stay far below this; a file
// above it is something else that happens to have the name.
constexpr size_t kTemplatesReadLimit = 1024 * 1024;

std::string Shown(const std::wstring &path) {
    return Utf8FromWide(path);
}

// ShellExecuteW's result (above 32 on success) in the user's words.
std::string WhyNotOpened(INT_PTR result) {
    switch (result) {
        case 0:
        case SE_ERR_OOM:
            return messages::kNotEnoughMemory;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return messages::kFileNotFound;
        case SE_ERR_ACCESSDENIED:
            return messages::kAccessDenied;
        case SE_ERR_NOASSOC:
        case SE_ERR_ASSOCINCOMPLETE:
            return messages::kNoEditorFound;
        default:
            return "(" + std::to_string(result) + ")";
    }
}

}  // namespace

CopyTemplatesFile::CopyTemplatesFile()
    : appData_(), shell32_(L"shell32.dll"), shellExecute_(shell32_, "ShellExecuteW") {}

std::wstring CopyTemplatesFile::Path() {
    const AppDataFolder appData = appData_.Locate(false);
    if (appData.path.empty()) return std::wstring();
    return KeptFilesFolder(appData) + kTemplatesFileName;
}

std::optional<std::string> CopyTemplatesFile::Read() {
    const std::wstring path = Path();
    if (path.empty()) return std::nullopt;
    SmallFile file = ReadSmallFile(path, kTemplatesReadLimit);
    switch (file.outcome) {
        case SmallFile::Outcome::Read:
            return std::move(file.bytes);
        case SmallFile::Outcome::Missing:
            return std::nullopt;
        case SmallFile::Outcome::TooLong:
            throw PickerError(messages::TemplatesTooLarge(Shown(path)));
        case SmallFile::Outcome::CannotRead:
            break;
    }
    throw PickerError(messages::TemplatesNotReadable(Shown(path)));
}

void CopyTemplatesFile::MakeUnlessThere(const std::wstring &path) {
    std::wstring notMade;
    if (!MakeProgramFolder(appData_.Locate(true), notMade)) {
        throw PickerError(messages::TemplatesFolderNotMade(Shown(notMade)));
    }
    if (CreateWholeFile(path, DefaultTemplateFile()) == NewFile::Failed) {
        throw PickerError(messages::TemplatesNotCreated(Shown(path)));
    }
}

void CopyTemplatesFile::Edit(HWND owner) {
    const std::wstring path = Path();
    if (path.empty()) throw PickerError(messages::kNoTemplatesFolder);
    auto shellExecute = shellExecute_.Get();
    MakeUnlessThere(path);
    INT_PTR result = reinterpret_cast<INT_PTR>(
        shellExecute(owner, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result == SE_ERR_NOASSOC || result == SE_ERR_ASSOCINCOMPLETE) {
        const std::wstring quoted = L"\"" + path + L"\"";
        result = reinterpret_cast<INT_PTR>(
            shellExecute(owner, L"open", L"notepad.exe", quoted.c_str(), nullptr, SW_SHOWNORMAL));
        // Not finding Notepad is not finding an editor, not the file.
        if (result == ERROR_FILE_NOT_FOUND || result == ERROR_PATH_NOT_FOUND) {
            result = SE_ERR_NOASSOC;
        }
    }
    if (result <= 32) {
        throw PickerError(messages::TemplatesNotOpened(Shown(path), WhyNotOpened(result)));
    }
}

}  // namespace tintwell::win32
