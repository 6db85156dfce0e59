// A file kept between starts whose presence is the user's switch: keeping is on
// exactly while the file is there, so the user's "off" deletes it and another
// instance's "off" holds here too. A file that is there but cannot be read, or is
// larger than such a file ever is, is never written over: keeping stays off for the
// session and the user is told why. The recent colours (HistoryKeeping) and the
// settings (SettingsKeeping) are both kept this way; the file itself is a
// KeptFileStore, so the rule runs the same on the system's files and in tests.
#ifndef TINTWELL_PICKER_KEEPING_KEPT_FILE_H
#define TINTWELL_PICKER_KEEPING_KEPT_FILE_H

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace tintwell {

class KeptFileStore {
  public:
    // What a look at the file found: its bytes when it could be read whole.
    struct Found {
        enum class Look { Missing, Read, CannotRead, TooLong };
        Look look;
        std::string bytes;
    };
    enum class Outcome { Written, Gone, Failed, NoFolder };

    // Reads the file whole when it is not larger than the kind's limit.
    virtual Found Read() = 0;
    // Writes the file whole while it is still there: Written, Gone or Failed.
    virtual Outcome Replace(const std::string &bytes) = 0;
    // Writes the file whole, there or not, making its folders first: Written, Failed,
    // or NoFolder, with the folder that could not be made in FolderNotMade().
    virtual Outcome Create(const std::string &bytes) = 0;
    // UTF-8; empty when the system names no folder at all.
    virtual std::string FolderNotMade() = 0;
    // True when the file is gone, or never was.
    virtual bool Remove() = 0;
    // The file's path, UTF-8, for messages.
    virtual std::string Where() = 0;
    // Why the last write or removal failed, in the user's words; empty when the
    // system did not say.
    virtual std::string WhyFailed() = 0;

  protected:
    ~KeptFileStore() = default;
};

// What the user is told for each thing that can go wrong with one kind of file;
// `why` may be empty.
struct KeptFileTexts {
    std::function<std::string(const std::string &path)> unreadable;
    std::function<std::string(const std::string &path, size_t limitKiB)> tooLong;
    std::function<std::string(const std::string &path, const std::string &folder)> folderNotMade;
    std::function<std::string(const std::string &path)> noFolder;
    std::function<std::string(const std::string &path, const std::string &why)> notWritten;
    std::function<std::string(const std::string &path, const std::string &why)> notDeleted;
};

class KeptFile {
  public:
    KeptFile(KeptFileStore &store, size_t byteLimit, KeptFileTexts texts);
    KeptFile(const KeptFile &) = delete;
    KeptFile &operator=(const KeptFile &) = delete;

    bool on() const { return on_; }
    // Told each time keeping goes on or off, whatever turned it.
    void OnSwitched(std::function<void(bool)> switched) { switched_ = std::move(switched); }

    // At start: on when the file is there and can be read, and then its bytes. A
    // file that cannot be used leaves keeping off and throws PickerError saying why.
    std::optional<std::string> Start();
    // What is kept changed. While on: written over the file, as long as the file is
    // still there and still one that can be read; a file gone turns keeping off
    // without a word, a file that can no longer be read turns it off and throws, and
    // a write that fails throws with keeping still on.
    void Keep(const std::string &bytes);
    // The user's switch. On writes the bytes now, unless a file is there that cannot
    // be used; off deletes the file. Throws PickerError when that fails, keeping the
    // switch as it was.
    void Switch(bool on, const std::string &bytes);

  private:
    void Set(bool on);
    // Throws the message for a file that is there but cannot be used, if it is one.
    void RefuseUnusable(KeptFileStore::Found::Look look);

    KeptFileStore &store_;
    size_t byteLimit_;
    KeptFileTexts texts_;
    bool on_;
    std::function<void(bool)> switched_;
};

}  // namespace tintwell

#endif  // TINTWELL_PICKER_KEEPING_KEPT_FILE_H
