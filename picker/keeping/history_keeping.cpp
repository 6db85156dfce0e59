#include "history_keeping.h"

#include <optional>

#include "colour_history.h"
#include "user_texts.h"

namespace tintwell {

namespace {

KeptFileTexts HistoryTexts() {
    KeptFileTexts texts;
    texts.unreadable = HistoryUnreadableMessage;
    texts.tooLong = HistoryTooLongMessage;
    texts.folderNotMade = [](const std::string &, const std::string &folder) {
        return HistoryFolderNotMadeMessage(folder);
    };
    texts.noFolder = [](const std::string &) { return std::string(messages::kNoAppDataFolder); };
    texts.notWritten = [](const std::string &path, const std::string &) {
        return HistoryNotWrittenMessage(path);
    };
    texts.notDeleted = [](const std::string &path, const std::string &) {
        return HistoryNotDeletedMessage(path);
    };
    return texts;
}

}  // namespace

HistoryKeeping::HistoryKeeping(HistoryStore &store)
    : file_(store, kColourHistoryByteLimit, HistoryTexts()) {}

std::vector<ColorRef> HistoryKeeping::Start() {
    const std::optional<std::string> bytes = file_.Start();
    return bytes ? ReadColourHistory(*bytes) : std::vector<ColorRef>{};
}

void HistoryKeeping::Keep(const std::vector<ColorRef> &newestFirst) {
    if (file_.on()) file_.Keep(ColourHistoryBytes(newestFirst));
}

void HistoryKeeping::Switch(bool on, const std::vector<ColorRef> &newestFirst) {
    file_.Switch(on, on ? ColourHistoryBytes(newestFirst) : std::string());
}

}  // namespace tintwell
