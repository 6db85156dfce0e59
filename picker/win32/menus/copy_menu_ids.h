// The command ids of the copy button's menu, in ranges that cannot overlap, so that
// a command says by its range alone which kind of item it came from. 0 is "nothing
// chosen", which the greyed lines give too.
#ifndef TINTWELL_PICKER_WIN32_MENUS_COPY_MENU_IDS_H
#define TINTWELL_PICKER_WIN32_MENUS_COPY_MENU_IDS_H

#include <windows.h>

namespace tintwell::win32::copy_menu_ids {

constexpr UINT kFirstFormat = 1;    // the eight formats, 1-100
constexpr UINT kFirstRecent = 101;  // recent colours, 101-200
constexpr UINT kSavePalette = 201;
constexpr UINT kFirstDescription = 301;  // the greyed lines describing the colour, 301-399
constexpr UINT kFirstTemplate = 401;     // the user's templates and their notes, 401-449
constexpr UINT kLastTemplate = 449;
constexpr UINT kFirstOtherFormat = 451;  // "ほかの形式", 451-469
constexpr UINT kEditTemplates = 470;
constexpr UINT kPasteColour = 471;
// The item that opens "ほかの形式": never chosen, but measured and drawn as the others.
constexpr UINT kOtherFormatsItem = 480;
constexpr UINT kLastId = 499;

}  // namespace tintwell::win32::copy_menu_ids

#endif  // TINTWELL_PICKER_WIN32_MENUS_COPY_MENU_IDS_H
