// Copying and what a copy leaves: the clipboard (kept out of its history during a
// drag), the recent colours and their description, and the copy button's menu.
#include <algorithm>
#include <limits>
#include <utility>

#include "colour_description.h"
#include "colour_templates.h"
#include "form.h"
#include "template_file.h"
#include "text_encoding.h"
#include "user_texts.h"

namespace tintwell {

void Form::Command1_Click() {
    CopyText1(CopyCause::Button);
}

void Form::CopyText1(CopyCause cause) {
    const CopyRule rule = CopyRuleFor(cause);
    if (rule.note == RecentNote::CopyAtLetGo) dragCopied_ = true;
    controls_.set_Text1_SelStart(0);
    const size_t length = controls_.Text1_Text().size();
    controls_.set_Text1_SelLength(
        static_cast<int32_t>(std::min<size_t>(length, std::numeric_limits<int32_t>::max())));
    std::u16string copied;
    if (!PutOnClipboard([&] { return copied = controls_.Text1_SelText(); }, rule.history)) return;
    if (rule.note == RecentNote::AtLetGo) {
        pressCopy_ = std::move(copied);
    } else if (rule.note == RecentNote::Now) {
        NoteCopied(copied);
    }
}

bool Form::PutOnClipboard(const std::function<std::u16string()> &text, ClipboardHistory history) {
    // The clipboard may be held open by another program; a copy that cannot be made
    // is dropped without a word, as the user can simply copy again.
    try {
        platform_.ClipboardClear();
    } catch (const std::exception &) {
    }
    try {
        if (history == ClipboardHistory::Skip) {
            platform_.ClipboardSetTransientText(text());
        } else {
            platform_.ClipboardSetText(text());
        }
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

void Form::AddRecent(const RecentColour &entry) {
    const std::vector<ColorRef> before = RecentColourList();
    recent_.Add(entry);
    const std::vector<ColorRef> after = RecentColourList();
    if (after != before) platform_.KeepRecentColours(after);
}

std::vector<ColorRef> Form::RecentColourList() const {
    std::vector<ColorRef> colours;
    for (const RecentColour &entry : recent_.Entries()) colours.push_back(entry.colour);
    return colours;
}

void Form::RestoreRecentColours(const std::vector<ColorRef> &newestFirst) {
    for (auto colour = newestFirst.rbegin(); colour != newestFirst.rend(); ++colour) {
        recent_.Add(RecentColour{*colour, std::nullopt});
    }
}

std::optional<ColourDescriptionKey> Form::ShownColourDescriptionKey() const {
    const std::optional<ColorRef> shown = ShownColour();
    if (!shown) return std::nullopt;
    ColourDescriptionKey key;
    key.colour = *shown;
    for (const RecentColour &entry : recent_.Entries()) {
        if (entry.colour != *shown) {
            key.previous = entry.colour;
            break;
        }
    }
    key.mappedIntoSrgb = mappedPaste_;
    if (notedColour_ == *shown && screenNote_ != ScreenNote::None) {
        key.screenNote = ScreenNoteLine(screenNote_);
    }
    return key;
}

std::vector<std::string> Form::ShownColourDescription() const {
    const std::optional<ColourDescriptionKey> key = ShownColourDescriptionKey();
    if (!key) return {};
    return ColourDescriptionLines(*key);
}

void Form::NoteCopied(const std::u16string &text) {
    const std::optional<ColorRef> colour = ColourOfDisplayText(text);
    if (!colour) return;
    AddRecent(RecentColour{*colour, OriginOf(*colour)});
}

// A drag that copied at its steps copies its final text once more, plainly, and that
// copy is the one the list keeps; a press alone counts with what it copied.
void Form::FieldGestureEnded() {
    const std::optional<std::u16string> pressed = std::exchange(pressCopy_, std::nullopt);
    if (std::exchange(dragCopied_, false)) {
        Command1_Click();
    } else if (pressed) {
        NoteCopied(*pressed);
    }
}

const Form::CopyMenu &Form::Command1_ContextMenu() {
    const Channels shown = ChannelRule(state_.hexText);
    const ColorRef colour = PackColour(shown.red, shown.green, shown.blue);
    menu_.colour = colour;
    menu_.origin = OriginOf(colour);
    const std::array<std::string, kAllColourFormatCount> texts = AllColourFormatTexts(colour);
    std::copy(texts.begin(), texts.begin() + kColourFormatCount, menu_.formats.begin());
    std::copy(texts.begin() + kColourFormatCount, texts.end(), menu_.otherFormats.begin());
    menu_.templates = TemplateLinesFor(colour);
    menu_.recent = recent_.Entries();
    menu_.description = ShownColourDescription();
    return menu_;
}

std::vector<Form::TemplateLine> Form::TemplateLinesFor(ColorRef colour) {
    std::vector<TemplateLine> lines;
    std::optional<std::string> bytes;
    try {
        bytes = platform_.ReadCopyTemplates();
    } catch (const std::exception &failure) {
        lines.push_back(TemplateLine{failure.what(), false});
        return lines;
    }
    if (!bytes) return lines;
    const TemplateFile file = ReadTemplateFile(*bytes);
    for (const std::string &line : file.templates) {
        if (std::optional<std::string> text = ExpandTemplate(line, colour)) {
            lines.push_back(TemplateLine{std::move(*text), true});
        } else {
            lines.push_back(TemplateLine{MalformedTemplateText(line), false});
        }
    }
    // One line a kind of skip, each a greyed line of its own.
    size_t start = 0;
    while (start < file.skipped.size()) {
        size_t end = file.skipped.find('\n', start);
        if (end == std::string::npos) end = file.skipped.size();
        if (end > start)
            lines.push_back(TemplateLine{file.skipped.substr(start, end - start), false});
        start = end + 1;
    }
    return lines;
}

void Form::CopyMenuText(const std::string &utf8) {
    const std::u16string text = Utf8ToUtf16(utf8);
    if (PutOnClipboard([&] { return text; }, ClipboardHistory::Keep)) {
        AddRecent(RecentColour{menu_.colour, menu_.origin});
    }
}

void Form::CopyMenu_FormatClick(size_t index) {
    if (index < menu_.formats.size()) CopyMenuText(menu_.formats[index]);
}

void Form::CopyMenu_OtherFormatClick(size_t index) {
    if (index < menu_.otherFormats.size()) CopyMenuText(menu_.otherFormats[index]);
}

void Form::CopyMenu_TemplateClick(size_t index) {
    if (index < menu_.templates.size() && menu_.templates[index].usable) {
        CopyMenuText(menu_.templates[index].text);
    }
}

void Form::CopyMenu_RecentClick(size_t index) {
    if (index >= menu_.recent.size()) return;
    const RecentColour entry = menu_.recent[index];
    if (controls_.Check3_Value() != 0) StopSampling();
    const std::optional<PickOrigin> &origin = entry.origin;
    if (!origin || origin->tableMode != state_.tableMode || origin->webSafe != state_.webSafe) {
        ShowAsSample(entry.colour);
        return;
    }
    state_.red = origin->red;
    state_.green = origin->green;
    state_.blue = origin->blue;
    state_.fieldX = origin->fieldX;
    state_.fieldY = origin->fieldY;
    state_.stripPos = origin->stripPos;
    shownByPick_ = true;
    mappedPaste_ = false;
    screenNote_ = ScreenNote::None;
    RefreshPicker();
}

}  // namespace tintwell
