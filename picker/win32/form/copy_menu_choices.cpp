#include "copy_menu_choices.h"

namespace tintwell::win32 {

CopyMenuChoices::CopyMenuChoices(Form &form, HandlerRunner &runner, const HWND &window)
    : form_(form), runner_(runner), window_(window), paletteSaving_() {}

const Form::CopyMenu *CopyMenuChoices::CopyMenuContents() {
    const Form::CopyMenu *contents = nullptr;
    runner_.RunHandler([&] { contents = &form_.Command1_ContextMenu(); });
    return contents;
}

void CopyMenuChoices::CopyMenuChosen(const CopyMenuChoice &choice) {
    if (choice.kind == CopyMenuChoice::Kind::Format) {
        runner_.RunHandler([&] { form_.CopyMenu_FormatClick(choice.index); });
    } else if (choice.kind == CopyMenuChoice::Kind::Recent) {
        runner_.RunHandler([&] { form_.CopyMenu_RecentClick(choice.index); });
    } else if (choice.kind == CopyMenuChoice::Kind::SavePalette) {
        runner_.RunHandler([&] { paletteSaving_.Run(window_, form_.RecentColourList()); });
    }
}

}  // namespace tintwell::win32
