#include "kept_file.h"

#include <utility>

#include "colour_word.h"

namespace tintwell {

namespace {

using Look = KeptFileStore::Found::Look;
using Outcome = KeptFileStore::Outcome;

}  // namespace

KeptFile::KeptFile(KeptFileStore &store, size_t byteLimit, KeptFileTexts texts)
    : store_(store), byteLimit_(byteLimit), texts_(std::move(texts)), on_(false), switched_() {}

void KeptFile::Set(bool on) {
    if (on == on_) return;
    on_ = on;
    if (switched_) switched_(on);
}

void KeptFile::RefuseUnusable(Look look) {
    if (look != Look::CannotRead && look != Look::TooLong) return;
    Set(false);
    if (look == Look::TooLong) throw PickerError(texts_.tooLong(store_.Where(), byteLimit_ / 1024));
    throw PickerError(texts_.unreadable(store_.Where()));
}

std::optional<std::string> KeptFile::Start() {
    KeptFileStore::Found found = store_.Read();
    RefuseUnusable(found.look);
    Set(found.look == Look::Read);
    if (!on_) return std::nullopt;
    return std::move(found.bytes);
}

void KeptFile::Keep(const std::string &bytes) {
    if (!on_) return;
    // Another program may have put something else in its place since.
    const KeptFileStore::Found found = store_.Read();
    RefuseUnusable(found.look);
    const Outcome outcome = found.look == Look::Missing ? Outcome::Gone : store_.Replace(bytes);
    if (outcome == Outcome::Gone) {
        Set(false);
    } else if (outcome != Outcome::Written) {
        throw PickerError(texts_.notWritten(store_.Where(), store_.WhyFailed()));
    }
}

void KeptFile::Switch(bool on, const std::string &bytes) {
    if (!on) {
        if (!store_.Remove()) {
            throw PickerError(texts_.notDeleted(store_.Where(), store_.WhyFailed()));
        }
        Set(false);
        return;
    }
    RefuseUnusable(store_.Read().look);
    switch (store_.Create(bytes)) {
        case Outcome::Written:
            Set(true);
            return;
        case Outcome::NoFolder: {
            const std::string folder = store_.FolderNotMade();
            throw PickerError(folder.empty() ? texts_.noFolder(store_.Where())
                                             : texts_.folderNotMade(store_.Where(), folder));
        }
        case Outcome::Gone:
        case Outcome::Failed:
            break;
    }
    throw PickerError(texts_.notWritten(store_.Where(), store_.WhyFailed()));
}

}  // namespace tintwell
