#include "palette_saving.h"

#include <commdlg.h>

#include <string>
#include <utility>

#include "failure_report.h"
#include "palette_files.h"
#include "text_conversion.h"
#include "text_encoding.h"
#include "user_texts.h"
#include "whole_file.h"

namespace tintwell::win32 {

namespace {

// Long paths fit too.
constexpr DWORD kPathCapacity = 32768;

const wchar_t *FilterCaption(PaletteFormat format) {
    switch (format) {
        case PaletteFormat::Gpl:
            return captions::kPaletteFilterGpl;
        case PaletteFormat::Css:
            return captions::kPaletteFilterCss;
        case PaletteFormat::Json:
            return captions::kPaletteFilterJson;
        case PaletteFormat::Ase:
            return captions::kPaletteFilterAse;
        case PaletteFormat::Txt:
            break;
    }
    return captions::kPaletteFilterTxt;
}

// Caption, pattern, caption, pattern, ..., each ending in a zero, the whole in two;
// in the order of kPaletteFormats, by which the dialog's chosen type is read back.
std::wstring Filter() {
    std::wstring filter;
    for (PaletteFormat format : kPaletteFormats) {
        filter += FilterCaption(format);
        filter.push_back(L'\0');
        filter.push_back(L'*');
        for (const char *ch = PaletteExtension(format); *ch; ++ch) filter.push_back(*ch);
        filter.push_back(L'\0');
    }
    filter.push_back(L'\0');
    return filter;
}

}  // namespace

PaletteSaving::PaletteSaving()
    : comdlg32_(L"comdlg32.dll"), getSaveFileName_(comdlg32_, "GetSaveFileNameW"), dialog_() {}

PaletteSaving::PaletteSaving(SaveDialog dialog)
    : comdlg32_(L"comdlg32.dll"),
      getSaveFileName_(comdlg32_, "GetSaveFileNameW"),
      dialog_(std::move(dialog)) {}

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
    // With a default extension the dialog adds the chosen type's extension to a name
    // typed without one, and only then asks before replacing: the name it returns is
    // the one it asked about, and the one written.
    dialog.lpstrDefExt = L"gpl";
    dialog.Flags =
        OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    const BOOL confirmed = dialog_ ? dialog_(&dialog) : getSaveFileName_.Get()(&dialog);
    if (!confirmed) return;

    path.resize(std::wcslen(path.c_str()));
    const PaletteFormat format =
        PaletteFormatFor(Utf16FromWide(path), PaletteFormatOfDialogType(dialog.nFilterIndex));
    if (WriteWholeFile(path, PaletteBytes(format, newestFirst))) return;
    TellUser(owner, Notice{PaletteNotSavedMessage(Utf8FromWide(path)), NoticeLook::FileNotSaved});
}

}  // namespace tintwell::win32
