// What a copy does beyond putting the text on the clipboard, decided by what set it
// off: whether clipboard history may keep it, and when the colour joins the recent
// list. A drag in the field copies at every step when "copy on pick" is ticked; only
// the colour it ends on is worth keeping, so its steps are kept out of clipboard
// history and the list, and the end copies once more, plainly. A press may start
// such a drag, so what it copied joins the list only when the mouse lets go.
#ifndef TINTWELL_PICKER_COPY_RULES_H
#define TINTWELL_PICKER_COPY_RULES_H

namespace tintwell {

// The copy button, a menu choice or the end of a drag; a press of the mouse in the
// field; a step of a drag there; a key step.
enum class CopyCause { Button, Press, DragStep, KeyStep };

enum class ClipboardHistory { Keep, Skip };

enum class RecentNote {
    Now,          // the copied colour joins the list at once
    AtLetGo,      // held until the mouse lets go of the field, then joins it
    CopyAtLetGo,  // never joins; the mouse letting go copies the final text again
};

struct CopyRule {
    ClipboardHistory history;
    RecentNote note;
};

CopyRule CopyRuleFor(CopyCause cause);

}  // namespace tintwell

#endif  // TINTWELL_PICKER_COPY_RULES_H
