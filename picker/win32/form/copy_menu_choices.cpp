#include "copy_menu_choices.h"

namespace tintwell::win32 {

CopyMenuChoices::CopyMenuChoices(Form &form, Win32Platform &platform, HandlerRunner &runner,
                                 ColourPaste &paste, const HWND &window)
    : form_(form),
      platform_(platform),
      runner_(runner),
      paste_(paste),
      window_(window),
      paletteSaving_() {}

const Form::CopyMenu *CopyMenuChoices::CopyMenuContents() {
    const Form::CopyMenu *contents = nullptr;
    runner_.RunHandler([&] { contents = &form_.Command1_ContextMenu(); });
    return contents;
}

void CopyMenuChoices::CopyMenuChosen(const CopyMenuChoice &choice) {
    using Kind = CopyMenuChoice::Kind;
    switch (choice.kind) {
        case Kind::Format:
            runner_.RunHandler([&] { form_.CopyMenu_FormatClick(choice.index); });
            break;
        case Kind::OtherFormat:
            runner_.RunHandler([&] { form_.CopyMenu_OtherFormatClick(choice.index); });
            break;
        case Kind::Template:
            runner_.RunHandler([&] { form_.CopyMenu_TemplateClick(choice.index); });
            break;
        case Kind::EditTemplates:
            runner_.RunHandler([&] { platform_.EditCopyTemplates(window_); });
            break;
        case Kind::Recent:
            runner_.RunHandler([&] { form_.CopyMenu_RecentClick(choice.index); });
            break;
        case Kind::PasteColour:
            paste_.Run();
            break;
        case Kind::SavePalette:
            runner_.RunHandler([&] { paletteSaving_.Run(window_, form_.RecentColourList()); });
            break;
        case Kind::None:
            break;
    }
}

}  // namespace tintwell::win32
