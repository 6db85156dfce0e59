#include "palette_saving.h"

#include <commdlg.h>

#include <string>

#include "palette_files.h"
#include "text_conversion.h"
#include "text_encoding.h"
#include "user_texts.h"
#include "whole_file.h"

namespace tintwell::win32 {

namespace {

// Long paths fit too.
constexpr DWORD kPathCapacity = 32768;

struct DialogType {
    PaletteFormat format;
    const wchar_t *caption;
    const wchar_t *pattern;
};

// In the order of PaletteFormat, which is the order the dialog lists them.
constexpr DialogType kTypes[kPaletteFormatCount] = {
    {PaletteFormat::Gpl, captions::kPaletteFilterGpl, L"*.gpl"},
    {PaletteFormat::Css, captions::kPaletteFilterCss, L"*.css"},
    {PaletteFormat::Json, captions::kPaletteFilterJson, L"*.json"},
    {PaletteFormat::Ase, captions::kPaletteFilterAse, L"*.ase"},
    {PaletteFormat::Txt, captions::kPaletteFilterTxt, L"*.txt"},
};

// Caption, pattern, caption, pattern, ..., each ending in a zero, the whole in two.
std::wstring Filter() {
    std::wstring filter;
    for (const DialogType &type : kTypes) {
        filter += type.caption;
        filter.push_back(L'\0');
        filter += type.pattern;
        filter.push_back(L'\0');
    }
    filter.push_back(L'\0');
    return filter;
}

}  // namespace

PaletteSaving::PaletteSaving()
    : comdlg32_(L"comdlg32.dll"), getSaveFileName_(comdlg32_, "GetSaveFileNameW") {}

void PaletteSaving::Run(HWND owner, const std::vector<ColorRef> &newestFirst) {
    std::wstring path(kPathCapacity, L'\0');
    path.replace(0, std::wcslen(captions::kPaletteFileName), captions::kPaletteFileName);
    const std::wstring filter = Filter();
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = &path[0];
    dialog.nMaxFile = kPathCapacity;
    // A name without an extension gets the chosen type's, so that the dialog asks
    // before replacing the file that is really written; a name whose extension names
    // a format keeps it, whatever type is chosen.
    dialog.lpstrDefExt = L"gpl";
    dialog.Flags =
        OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!getSaveFileName_.Get()(&dialog)) return;

    path.resize(std::wcslen(path.c_str()));
    const size_t typeIndex = dialog.nFilterIndex >= 1 && dialog.nFilterIndex <= kPaletteFormatCount
                                 ? dialog.nFilterIndex - 1
                                 : 0;
    const PaletteTarget target = PaletteTargetOf(Utf16FromWide(path), kTypes[typeIndex].format);
    const std::wstring targetPath = WideFromUtf16(target.fileName);
    if (WriteWholeFile(targetPath, PaletteBytes(target.format, newestFirst))) return;
    const std::wstring message =
        WideFromUtf16(Utf8ToUtf16(PaletteNotSavedMessage(Utf8FromWide(targetPath))));
    MessageBoxW(owner, message.c_str(), captions::kSavePalette, MB_OK | MB_ICONERROR);
}

}  // namespace tintwell::win32
