#include "settings_keeping.h"

#include <optional>

#include "settings_file.h"
#include "user_texts.h"

namespace tintwell {

namespace {

KeptFileTexts SettingsTexts() {
    KeptFileTexts texts;
    texts.unreadable = SettingsUnreadableMessage;
    texts.tooLong = SettingsTooLongMessage;
    texts.folderNotMade = [](const std::string &path, const std::string &folder) {
        return SettingsNotWrittenMessage(path, SettingsFolderNotMadeReason(folder));
    };
    texts.noFolder = [](const std::string &path) {
        return SettingsNotWrittenMessage(path, messages::kNoAppDataFolderForSettings);
    };
    texts.notWritten = SettingsNotWrittenMessage;
    texts.notDeleted = SettingsNotDeletedMessage;
    return texts;
}

}  // namespace

SettingsKeeping::SettingsKeeping(SettingsStore &store)
    : file_(store, kSettingsByteLimit, SettingsTexts()), settings_() {}

Settings SettingsKeeping::Start() {
    settings_ = Settings{};
    const std::optional<std::string> bytes = file_.Start();
    if (bytes) settings_ = ReadSettings(*bytes).settings;
    return settings_;
}

void SettingsKeeping::Keep(const Settings &wanted) {
    if (!file_.on() || wanted == settings_) return;
    file_.Keep(SettingsText(wanted));
    settings_ = wanted;
}

void SettingsKeeping::Switch(bool on, const Settings &wanted) {
    file_.Switch(on, on ? SettingsText(wanted) : std::string());
    settings_ = wanted;
}

}  // namespace tintwell
