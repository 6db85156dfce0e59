// Where the recent colours are kept between starts: history.txt in a Tintwell
// folder of the user's application-data folder (beside the program in portable
// mode, app_data_folder.h). The file's presence is the user's
// switch (see HistoryKeeping): the program keeps no other setting, and with keeping
// off it makes no folder and writes nothing.
#ifndef TINTWELL_PICKER_WIN32_COLOUR_HISTORY_FILE_H
#define TINTWELL_PICKER_WIN32_COLOUR_HISTORY_FILE_H

#include <windows.h>

#include <string>

#include "app_data_folder.h"
#include "history_keeping.h"

namespace tintwell::win32 {

class ColourHistoryFile : public HistoryStore {
  public:
    // In the user's application-data folder as the shell names it.
    ColourHistoryFile();
    // In the folder the locator names, for tests.
    explicit ColourHistoryFile(AppDataLocator locate);
    ColourHistoryFile(const ColourHistoryFile &) = delete;
    ColourHistoryFile &operator=(const ColourHistoryFile &) = delete;

    // The file's full path; empty when the system names no application-data folder.
    std::wstring Path();

    Found Read() override;
    Outcome Replace(const std::string &bytes) override;
    Outcome Create(const std::string &bytes) override;
    std::string FolderNotMade() override { return folderNotMade_; }
    bool Remove() override;
    std::string Where() override;

  private:
    AppDataFolder Locate(bool make);

    ShellAppData shell_;
    AppDataLocator locate_;
    bool looked_;
    std::wstring path_;
    std::string folderNotMade_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_COLOUR_HISTORY_FILE_H
