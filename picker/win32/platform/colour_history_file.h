// Where the recent colours are kept between starts: history.txt in a Tintwell
// folder of the user's application-data folder. The file's presence is the user's
// switch: it exists exactly while keeping is on, so the program keeps no other
// setting, and with keeping off it reads and writes nothing.
#ifndef TINTWELL_PICKER_WIN32_COLOUR_HISTORY_FILE_H
#define TINTWELL_PICKER_WIN32_COLOUR_HISTORY_FILE_H

#include <windows.h>

#include <string>
#include <vector>

#include "app_data_folder.h"
#include "form_controls.h"

namespace tintwell::win32 {

class ColourHistoryFile {
  public:
    ColourHistoryFile();
    ColourHistoryFile(const ColourHistoryFile &) = delete;
    ColourHistoryFile &operator=(const ColourHistoryFile &) = delete;

    // The file's full path; empty when the system names no application-data folder.
    std::wstring Path();

    // Whether keeping is on, by the file's presence.
    bool Exists();
    // The colours the file holds; empty for a missing, unreadable or odd file.
    std::vector<ColorRef> Read();
    // Writes the list whole, making the folder first when needed; false on failure.
    bool Write(const std::vector<ColorRef> &newestFirst);
    // Deletes the file; true when it is gone (or never was).
    bool Remove();

  private:
    AppDataFolder folder_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_COLOUR_HISTORY_FILE_H
