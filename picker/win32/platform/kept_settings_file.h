// Where the settings are kept between starts: settings.ini in the program's folder
// of the user's application-data folder (beside the program in portable mode,
// app_data_folder.h), beside the history. Its presence is the
// user's switch (see SettingsKeeping); with keeping off nothing is made there.
#ifndef TINTWELL_PICKER_WIN32_KEPT_SETTINGS_FILE_H
#define TINTWELL_PICKER_WIN32_KEPT_SETTINGS_FILE_H

#include <windows.h>

#include <string>

#include "app_data_folder.h"
#include "settings_keeping.h"

namespace tintwell::win32 {

class KeptSettingsFile : public SettingsStore {
  public:
    // In the user's application-data folder as the shell names it.
    KeptSettingsFile();
    KeptSettingsFile(const KeptSettingsFile &) = delete;
    KeptSettingsFile &operator=(const KeptSettingsFile &) = delete;

    // The file's full path; empty when the system names no application-data folder.
    std::wstring Path();

    Found Read() override;
    Outcome Replace(const std::string &bytes) override;
    bool Create(const std::string &bytes) override;
    bool Remove() override;
    std::string Where() override;
    std::string WhyFailed() override { return whyFailed_; }

  private:
    // Notes the system's reason for what just failed.
    void NoteFailure(DWORD error, const std::wstring &path);

    ShellAppData shell_;
    std::string whyFailed_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_KEPT_SETTINGS_FILE_H
