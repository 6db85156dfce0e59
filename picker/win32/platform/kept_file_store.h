// A file the program keeps in its folder of the user's application-data folder
// (history.txt, settings.ini), on the system's files: read whole when it is small
// enough, written whole or not at all (whole_file.h), its presence the user's switch
// (kept_file.h). With keeping off nothing is made there.
#ifndef TINTWELL_PICKER_WIN32_KEPT_FILE_STORE_H
#define TINTWELL_PICKER_WIN32_KEPT_FILE_STORE_H

#include <windows.h>

#include <cstddef>
#include <string>

#include "app_data_folder.h"
#include "kept_file.h"

namespace tintwell::win32 {

class KeptFileStoreOnDisk : public KeptFileStore {
  public:
    // `name`: the file's name in the program's folder; `byteLimit`: larger files are
    // not this kind's. `locate` names the application-data folder, for tests; the
    // shell's when empty.
    KeptFileStoreOnDisk(const wchar_t *name, size_t byteLimit, AppDataLocator locate = {});
    KeptFileStoreOnDisk(const KeptFileStoreOnDisk &) = delete;
    KeptFileStoreOnDisk &operator=(const KeptFileStoreOnDisk &) = delete;

    // The file's full path; empty when the system names no application-data folder.
    std::wstring Path();

    Found Read() override;
    Outcome Replace(const std::string &bytes) override;
    Outcome Create(const std::string &bytes) override;
    std::string FolderNotMade() override { return folderNotMade_; }
    bool Remove() override;
    std::string Where() override;
    std::string WhyFailed() override { return whyFailed_; }

  private:
    AppDataFolder Locate(bool make);
    // Notes the system's reason for what just failed.
    void NoteFailure(DWORD error, const std::wstring &path);

    std::wstring name_;
    size_t byteLimit_;
    ShellAppData shell_;
    AppDataLocator locate_;
    bool looked_;
    std::wstring path_;
    std::string folderNotMade_;
    std::string whyFailed_;
};

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_KEPT_FILE_STORE_H
