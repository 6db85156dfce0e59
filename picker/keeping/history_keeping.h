// Keeping the recent colours between starts in the history file, by the rule of a
// kept file (kept_file.h): on exactly while the file is there, and a file that cannot
// be used is never written over.
#ifndef TINTWELL_PICKER_HISTORY_KEEPING_H
#define TINTWELL_PICKER_HISTORY_KEEPING_H

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "colour_word.h"
#include "kept_file.h"

namespace tintwell {

using HistoryStore = KeptFileStore;

class HistoryKeeping {
  public:
    explicit HistoryKeeping(HistoryStore &store);
    HistoryKeeping(const HistoryKeeping &) = delete;
    HistoryKeeping &operator=(const HistoryKeeping &) = delete;

    bool on() const { return file_.on(); }
    // Told each time keeping goes on or off, whatever turned it.
    void OnSwitched(std::function<void(bool)> switched) { file_.OnSwitched(std::move(switched)); }

    // At start: the colours to restore while the file is there and can be read. A
    // file that cannot be used leaves keeping off and throws PickerError saying why.
    std::vector<ColorRef> Start();
    // The list changed: written while on (KeptFile::Keep).
    void Keep(const std::vector<ColorRef> &newestFirst);
    // The user's switch (KeptFile::Switch).
    void Switch(bool on, const std::vector<ColorRef> &newestFirst);

  private:
    KeptFile file_;
};

}  // namespace tintwell

#endif  // TINTWELL_PICKER_HISTORY_KEEPING_H
