// The settings dialog's template and its controls, named alike by the resource script
// and by the code that fills the dialog in; plain macros, as the resource compiler
// reads no C++.
#ifndef TINTWELL_PICKER_WIN32_FORM_SETTINGS_DIALOG_IDS_H
#define TINTWELL_PICKER_WIN32_FORM_SETTINGS_DIALOG_IDS_H

#define IDD_SETTINGS 200
#define IDC_SETTINGS_HOTKEY 201
#define IDC_SETTINGS_HOTKEY_KEYS 202
#define IDC_SETTINGS_FORMAT_LABEL 203
#define IDC_SETTINGS_FORMAT 204
#define IDC_SETTINGS_RESIDENT 205
#define IDC_SETTINGS_START_WITH_WINDOWS 206
#define IDC_SETTINGS_KEEP 207

#endif  // TINTWELL_PICKER_WIN32_FORM_SETTINGS_DIALOG_IDS_H
