#include "settings_keeping.h"

#include "colour_word.h"
#include "settings_file.h"
#include "user_texts.h"

namespace tintwell {

namespace {

using SettingsLook = SettingsStore::Found::Look;
using SettingsOutcome = SettingsStore::Outcome;

}  // namespace

SettingsKeeping::SettingsKeeping(SettingsStore &store) : store_(store), on_(false), settings_() {}

Settings SettingsKeeping::Start() {
    const SettingsStore::Found found = store_.Read();
    on_ = found.look != SettingsLook::Missing;
    settings_ = found.look == SettingsLook::Read ? ReadSettings(found.bytes).settings : Settings{};
    return settings_;
}

void SettingsKeeping::Keep(const Settings &now) {
    if (!on_ || now == settings_) return;
    switch (store_.Replace(SettingsText(now))) {
        case SettingsOutcome::Written:
            settings_ = now;
            return;
        case SettingsOutcome::Gone:
            on_ = false;
            settings_ = now;
            return;
        case SettingsOutcome::Failed:
            break;
    }
    NotWritten();
}

void SettingsKeeping::Switch(bool on, const Settings &now) {
    if (on) {
        if (!store_.Create(SettingsText(now))) NotWritten();
        on_ = true;
        settings_ = now;
        return;
    }
    if (!store_.Remove()) {
        throw PickerError(SettingsNotDeletedMessage(store_.Where(), store_.WhyFailed()));
    }
    on_ = false;
    settings_ = now;
}

void SettingsKeeping::NotWritten() {
    throw PickerError(SettingsNotWrittenMessage(store_.Where(), store_.WhyFailed()));
}

}  // namespace tintwell
