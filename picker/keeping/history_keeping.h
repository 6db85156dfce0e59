// Keeping the recent colours between starts, as a switch that follows the history
// file: keeping is on exactly while the file is there, so another instance's "off",
// which deletes it, holds here too. A file that is there but cannot be read, or is
// larger than a history ever is, is never written over: keeping stays off and the
// user is told why. The file itself is a HistoryStore, so the rules run the same on
// the system's files and in tests.
#ifndef TINTWELL_PICKER_HISTORY_KEEPING_H
#define TINTWELL_PICKER_HISTORY_KEEPING_H

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "colour_word.h"

namespace tintwell {

class HistoryStore {
  public:
    // What a look at the file found: its bytes when it could be read whole.
    struct Found {
        enum class Look { Missing, Read, CannotRead, TooLong };
        Look look;
        std::string bytes;
    };
    enum class Outcome { Written, Gone, Failed, NoFolder };

    // Reads the file when it holds at most kColourHistoryByteLimit bytes.
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

  protected:
    ~HistoryStore() = default;
};

class HistoryKeeping {
  public:
    explicit HistoryKeeping(HistoryStore &store);
    HistoryKeeping(const HistoryKeeping &) = delete;
    HistoryKeeping &operator=(const HistoryKeeping &) = delete;

    bool on() const { return on_; }
    // Told each time keeping goes on or off, whatever turned it.
    void OnSwitched(std::function<void(bool)> switched) { switched_ = std::move(switched); }

    // At start: on when the file is there and can be read, and then its colours are
    // the ones to restore. A file that cannot be used leaves keeping off and throws
    // PickerError saying why.
    std::vector<ColorRef> Start();
    // The list changed. While on: written over the file, as long as the file is still
    // there and still one that can be read; a file gone turns keeping off without a
    // word, a file that can no longer be read turns it off and throws, and a write
    // that fails throws with keeping still on.
    void Keep(const std::vector<ColorRef> &newestFirst);
    // The user's switch. On writes the list now, unless a file is there that cannot
    // be used; off deletes the file. Throws PickerError when that fails, keeping the
    // switch as it was.
    void Switch(bool on, const std::vector<ColorRef> &newestFirst);

  private:
    void Set(bool on);
    // Throws the message for a file that is there but cannot be used.
    [[noreturn]] void Refuse(HistoryStore::Found::Look look);

    HistoryStore &store_;
    bool on_;
    std::function<void(bool)> switched_;
};

}  // namespace tintwell

#endif  // TINTWELL_PICKER_HISTORY_KEEPING_H
