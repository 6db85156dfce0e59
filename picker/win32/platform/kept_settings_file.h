// Where the settings are kept between starts: settings.ini in the program's folder
// of the user's application-data folder (beside the program in portable mode,
// app_data_folder.h), beside the history (see KeptFileStoreOnDisk and
// SettingsKeeping).
#ifndef TINTWELL_PICKER_WIN32_KEPT_SETTINGS_FILE_H
#define TINTWELL_PICKER_WIN32_KEPT_SETTINGS_FILE_H

#include <utility>

#include "kept_file_store.h"
#include "settings_keeping.h"

namespace tintwell::win32 {

class KeptSettingsFile : public KeptFileStoreOnDisk {
  public:
    explicit KeptSettingsFile(AppDataLocator locate = {})
        : KeptFileStoreOnDisk(L"settings.ini", kSettingsByteLimit, std::move(locate)) {}
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_KEPT_SETTINGS_FILE_H
