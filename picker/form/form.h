// Form1, the picker window's behaviour: the picker state and every event handler,
// written against FormControls/Platform so it runs the same on a real window and in
// tests. Handlers run one at a time on the UI thread; an operation that fails throws
// and ends the handler at that step, leaving the state written before it.
#ifndef TINTWELL_PICKER_FORM_H
#define TINTWELL_PICKER_FORM_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "colour_description.h"
#include "colour_format_list.h"
#include "colour_formats.h"
#include "colour_library.h"
#include "copy_rules.h"
#include "form_controls.h"
#include "picker_state.h"
#include "read_viewer.h"
#include "recent_colours.h"
#include "screen_square.h"

namespace tintwell {

class Form {
  public:
    Form(FormControls &controls, Platform &platform, ColourTableLibrary &library);
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    PickerState &state() { return state_; }
    const PickerState &state() const { return state_; }

    // Start-up, before the window is first shown.
    void Form_Load();

    // Display refresh and hue-mode location of the colour in hexText.
    void RefreshPicker();
    void LocateColor();

    // Mouse events: button mask 1 left, 2 right, 4 middle (combined); shift mask;
    // position in pixels (pictures) or twips relative to the label (labels).
    void Picture1_mousedown(int16_t button, int16_t shift, float x, float y);
    void Picture1_MouseMove(int16_t button, int16_t shift, float x, float y);
    void Picture2_mousedown(int16_t button, int16_t shift, float x, float y);
    void Picture2_MouseMove(int16_t button, int16_t shift, float x, float y);
    void Label1_Mousedown(int16_t button, int16_t shift, float x, float y);
    void Label1_Mousemove(int16_t button, int16_t shift, float x, float y);
    void Label2_Mousemove(int16_t button, int16_t shift, float x, float y);

    // Keys while a picture has the focus (key codes and shift mask in key_codes.h).
    // Every step is a press of the left button at the point it reaches: arrows move
    // the field point by one table pixel, by ten with Shift, and Home and End go to
    // the row's ends; Up and Down move the strip by one row, by sixteen with Shift or
    // as Page Up and Page Down, and Home and End go to its ends. Other keys, and keys
    // with Ctrl or Alt held, do nothing.
    void Picture1_KeyDown(int16_t keyCode, int16_t shift);
    void Picture2_KeyDown(int16_t keyCode, int16_t shift);

    // Mode and web-safe switches.
    void Option1_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void Check4_Click();

    // Keep-on-top, screen sampling.
    void Check1_Click();
    void Check3_Click();
    // A tick takes what was read; without a read it reads the screen itself, once.
    void Timer1_Timer();
    void Timer1_Timer(const ScreenSquare &read);
    ColorRef GetMouseMoveColr();

    // One tick of sampling: one read, wide enough for the sample and for the viewer,
    // which Timer1_Timer and then the viewer both get. False when the live read lay
    // under the viewer: then only the viewer gets it, to step aside, and the sample
    // waits for the next read.
    bool SampleTick(ReadViewer &viewer);
    // One read of the screen, live or from the snapshot while frozen, reaching at
    // least `reach` and as far as the sample needs.
    ScreenSquare ReadScreen(int reach);
    // The same around `pointer`, where the caller just found the cursor.
    ScreenSquare ReadScreenAt(ScreenPoint pointer, int reach);
    SampleStatus StatusOf(const ScreenSquare &read) const;

    // The sample's size lasts for the session; one pixel at start.
    void SetSampleSize(SampleSize size) { sampleSize_ = size; }
    SampleSize sampleSize() const { return sampleSize_; }
    FreezeState freezeState() const { return freeze_; }
    // Bytes the snapshot holds: 0 unless frozen.
    size_t FrozenBytes() const { return snapshot_ ? snapshot_->bytes() : 0; }

    // Keys whichever control has the focus. Esc, while sampling is on, stops on the
    // pixel under the pointer: one sample at once, as a tick takes it, then sampling
    // stops just as clearing Check3 stops it. Ctrl+F, while sampling is on, freezes
    // the screen: samples read a snapshot of it until Ctrl+F again, Esc or clearing
    // Check3. Otherwise, and with other modifiers held, they do nothing.
    void Form_KeyDown(int16_t keyCode, int16_t shift);

    // Copy Text1 to the clipboard.
    void Command1_Click();

    // The mouse let go of the field: the last button came up, or the drag lost the
    // mouse. A drag that copied at its steps copies its final text once more, as a
    // copy the clipboard history keeps.
    void FieldGestureEnded();

    // The copy button's menu: the texts of the formats for the colour in the swatch,
    // and the recent colours. The choices refer to what the last call returned, so a
    // sample that lands while the menu is open changes nothing that can be chosen.
    // A line of the user's templates in the menu (UTF-8): the template written for
    // the colour, which a choice copies, or a greyed line saying what could not be
    // used.
    struct TemplateLine {
        std::string text;
        bool usable;
    };
    static constexpr size_t kOtherFormatCount = kAllColourFormatCount - kColourFormatCount;
    struct CopyMenu {
        ColorRef colour = 0;
        std::optional<PickOrigin> origin;
        std::array<std::string, kColourFormatCount> formats;
        // The formats past the first eight, in their submenu.
        std::array<std::string, kOtherFormatCount> otherFormats;
        // From the templates file, read each time the menu opens; empty without one.
        std::vector<TemplateLine> templates;
        std::vector<RecentColour> recent;
        // What the menu's first lines say of the colour (UTF-8).
        std::vector<std::string> description;
    };
    // A templates file that cannot be read, or lines of it that cannot be used,
    // show as greyed lines; the menu opens all the same.
    const CopyMenu &Command1_ContextMenu();
    // Each copies exactly that text, as the copy button copies; nothing shown changes.
    void CopyMenu_FormatClick(size_t index);
    void CopyMenu_OtherFormatClick(size_t index);
    // A greyed line copies nothing.
    void CopyMenu_TemplateClick(size_t index);

    // Ctrl+V and the copy menu's item: the colour the clipboard's text stands for,
    // shown as a screen sample of it would be, and kept as the newest recent colour;
    // nothing is copied. Sampling stops first, as for a recent colour, so that the
    // next tick does not take it away again. A text that is no colour (or none at
    // all) changes nothing, and the result is what to tell the user.
    std::optional<std::string> PasteColour();
    // Brings the colour back without copying it: the pick that made it, when it was
    // made in the mode and web-safe setting now shown; otherwise as a screen sample
    // of it. While sampling is on, it stops first, as clearing Check3 stops it, so
    // that the next tick does not take the colour away again.
    void CopyMenu_RecentClick(size_t index);

    // The formats a pick can copy in, by their keys (pick_format.h): the fifteen
    // built-in ones, then the usable templates of the templates file by their text
    // (none when it is missing or cannot be read).
    std::vector<std::string> PickFormatKeys();

    // A pick from anywhere on the screen, started by the hotkey while the window may
    // be hidden. Began, it settles the format it copies in: the one whose key is
    // `formatKey` (#RRGGBB when none has it now), the templates file read now, before
    // the pick's hooks go in, so that nothing at its end waits on a file. While it
    // lasts Ctrl+F freezes the screen as while sampling. Taken, the sample under the
    // pointer (of the sample's size, from the snapshot while frozen) shows at once as
    // a screen sample would; ScreenPickCopy then copies it and makes it the newest
    // recent colour, when the window has let the pick's hooks go (a copy that fails
    // is reported after the rest is done; nothing when no taken colour waits; the
    // window has it done before the next pick begins). Cancelled, nothing changes. Either way a freeze the pick made goes, and
    // sampling, when on, goes on as it was.
    void ScreenPickBegan(std::string_view formatKey);
    void ScreenPickToggleFreeze();
    // False when no pick was under way.
    bool ScreenPickTaken();
    void ScreenPickCopy();
    void ScreenPickCancelled();
    bool screenPicking() const { return screenPick_.has_value(); }

    // Most recent first.
    const std::vector<RecentColour> &RecentEntries() const { return recent_.Entries(); }
    std::vector<ColorRef> RecentColourList() const;

    // The colours kept from an earlier run, newest first, put back at start-up
    // without being kept again.
    void RestoreRecentColours(const std::vector<ColorRef> &newestFirst);

    // The lines describing the colour in the swatch (UTF-8): its CSS name, its
    // contrast on white and black and against the previous colour, the newest recent
    // one that differs from it, and, for a pasted colour that lay outside sRGB, that
    // it was brought inside. Empty while no colour is shown.
    std::vector<std::string> ShownColourDescription() const;
    // What decides those lines (colour_description.h), found without building any
    // text; empty while no colour is shown, as the lines are then.
    std::optional<ColourDescriptionKey> ShownColourDescriptionKey() const;
    // The colour in the swatch; empty while hexText holds none.
    std::optional<ColorRef> ShownColour() const;

  private:
    struct TablePoint {
        int32_t x;
        int32_t y;
    };

    // A pick in the field at (x, y) table pixels, and the copy it makes with "copy on
    // pick" ticked.
    void PickInField(float x, float y, CopyCause cause);
    // Selects Text1 whole and copies it.
    void CopyText1(CopyCause cause);
    void SwitchToChannelMode(int32_t tableMode);
    // What a screen sample of the colour does to the state and the display.
    void ShowAsSample(ColorRef colour);
    // What is shown is a sample read with `note` (screen_colour.h).
    void NoteScreenRead(ScreenNote note);
    // Empties the clipboard and puts the text on it, skipping a step that fails;
    // true when the text got there.
    bool PutOnClipboard(const std::function<std::u16string()> &text, ClipboardHistory history);
    void NoteCopied(const std::u16string &text);
    // Copies a text of the menu as it was opened and keeps its colour.
    void CopyMenuText(const std::string &text);
    // The menu's lines from the templates file, for the colour.
    std::vector<TemplateLine> TemplateLinesFor(ColorRef colour);
    // The usable lines of the templates file; none when it cannot be read.
    std::vector<std::string> UsableTemplates();
    // Puts the colour on top of the recent list and has the platform keep the list
    // when that changed it.
    void AddRecent(const RecentColour &entry);
    // The state that shows the colour, when a pick made what is shown and it is that
    // colour.
    std::optional<PickOrigin> OriginOf(ColorRef colour) const;
    void StopSampling();
    void EndScreenPick();
    void ToggleFreeze();
    void Unfreeze();
    // The field point and strip row the two markers show.
    TablePoint MarkedFieldPoint() const;
    int32_t MarkedStripRow() const;
    // Where a key step starts.
    TablePoint FieldStepOrigin();
    int32_t StripStepOrigin();

    FormControls &controls_;
    Platform &platform_;
    ColourTableLibrary &library_;
    PickerState state_;
    RecentColours recent_;
    CopyMenu menu_;
    // What is shown came from a pick, not from a sample, a switch or a typed text.
    bool shownByPick_;
    // A drag step copied since the mouse last let go of the field.
    bool dragCopied_;
    // What is shown is a pasted colour that was brought into sRGB: no pick, sample
    // or recent colour has been shown since.
    bool mappedPaste_;
    // What the screen did to the colour shown, while it is the sample read there: the
    // colour shown for the sample and the note its read came with.
    ColorRef notedColour_;
    ScreenNote screenNote_;
    // What the press of the gesture under way put on the clipboard.
    std::optional<std::u16string> pressCopy_;
    SampleSize sampleSize_;
    FreezeState freeze_;
    // While a screen pick lasts: whether the screen was frozen when it began, and
    // what it copies in (a built-in format's place, or a template's text).
    struct ScreenPick {
        bool frozenBefore = false;
        size_t format = 0;
        std::string templateText;
    };
    std::optional<ScreenPick> screenPick_;
    // A taken colour and its text, till the window has it copied.
    struct PickedColour {
        RecentColour recent;
        std::u16string text;
    };
    std::optional<PickedColour> pickedColour_;
    std::unique_ptr<ScreenSnapshot> snapshot_;
};

}  // namespace tintwell

#endif  // TINTWELL_PICKER_FORM_H
