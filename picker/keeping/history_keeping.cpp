#include "history_keeping.h"

#include "colour_history.h"
#include "user_texts.h"

namespace tintwell {

namespace {

using Look = HistoryStore::Found::Look;
using Outcome = HistoryStore::Outcome;

bool Unusable(Look look) {
    return look == Look::CannotRead || look == Look::TooLong;
}

}  // namespace

HistoryKeeping::HistoryKeeping(HistoryStore &store) : store_(store), on_(false), switched_() {}

void HistoryKeeping::Set(bool on) {
    if (on == on_) return;
    on_ = on;
    if (switched_) switched_(on);
}

void HistoryKeeping::Refuse(Look look) {
    Set(false);
    if (look == Look::TooLong) {
        throw PickerError(HistoryTooLongMessage(store_.Where(), kColourHistoryByteLimit / 1024));
    }
    throw PickerError(HistoryUnreadableMessage(store_.Where()));
}

std::vector<ColorRef> HistoryKeeping::Start() {
    const HistoryStore::Found found = store_.Read();
    if (Unusable(found.look)) Refuse(found.look);
    Set(found.look == Look::Read);
    return on_ ? ReadColourHistory(found.bytes) : std::vector<ColorRef>{};
}

void HistoryKeeping::Keep(const std::vector<ColorRef> &newestFirst) {
    if (!on_) return;
    // Another program may have put something else in its place since.
    const HistoryStore::Found found = store_.Read();
    if (Unusable(found.look)) Refuse(found.look);
    const Outcome outcome = found.look == Look::Missing
                                ? Outcome::Gone
                                : store_.Replace(ColourHistoryBytes(newestFirst));
    if (outcome == Outcome::Gone) {
        Set(false);
    } else if (outcome != Outcome::Written) {
        throw PickerError(HistoryNotWrittenMessage(store_.Where()));
    }
}

void HistoryKeeping::Switch(bool on, const std::vector<ColorRef> &newestFirst) {
    if (!on) {
        if (!store_.Remove()) throw PickerError(HistoryNotDeletedMessage(store_.Where()));
        Set(false);
        return;
    }
    const HistoryStore::Found found = store_.Read();
    if (Unusable(found.look)) Refuse(found.look);
    switch (store_.Create(ColourHistoryBytes(newestFirst))) {
        case Outcome::Written:
            Set(true);
            return;
        case Outcome::NoFolder: {
            const std::string folder = store_.FolderNotMade();
            throw PickerError(folder.empty() ? messages::kNoAppDataFolder
                                             : HistoryFolderNotMadeMessage(folder));
        }
        case Outcome::Gone:
        case Outcome::Failed:
            break;
    }
    throw PickerError(HistoryNotWrittenMessage(store_.Where()));
}

}  // namespace tintwell
