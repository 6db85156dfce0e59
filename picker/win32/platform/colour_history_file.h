// Where the recent colours are kept between starts: history.txt in the program's
// folder of the user's application-data folder, or beside the program in portable
// mode (see KeptFileStoreOnDisk, app_data_folder.h and HistoryKeeping).
#ifndef TINTWELL_PICKER_WIN32_COLOUR_HISTORY_FILE_H
#define TINTWELL_PICKER_WIN32_COLOUR_HISTORY_FILE_H

#include <utility>

#include "colour_history.h"
#include "kept_file_store.h"

namespace tintwell::win32 {

class ColourHistoryFile : public KeptFileStoreOnDisk {
  public:
    // In the user's application-data folder as the shell names it, or in the folder
    // the locator names, for tests.
    explicit ColourHistoryFile(AppDataLocator locate = {})
        : KeptFileStoreOnDisk(L"history.txt", kColourHistoryByteLimit, std::move(locate)) {}
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_COLOUR_HISTORY_FILE_H
