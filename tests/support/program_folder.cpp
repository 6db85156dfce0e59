#include "program_folder.h"

#include <windows.h>

namespace testsupport {

std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0) return L".";
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

std::wstring BesideThisProgram(const std::wstring &fileName) {
    return ProgramFolder() + L"\\" + fileName;
}

std::vector<std::wstring> FolderEntries(const std::wstring &folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::wstring WindowsPath(const char *path) {
    std::wstring wide;
    for (const char *c = path; *c != '\0'; ++c) wide += static_cast<wchar_t>(*c);
    if (!wide.empty() && wide[0] == L'/') wide = L"Z:" + wide;
    for (wchar_t &c : wide) {
        if (c == L'/') c = L'\\';
    }
    return wide;
}

}  // namespace testsupport
