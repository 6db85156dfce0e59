#include "copy_rules.h"

namespace tintwell {

CopyRule CopyRuleFor(CopyCause cause) {
    switch (cause) {
        case CopyCause::Press:
            return CopyRule{ClipboardHistory::Keep, RecentNote::AtLetGo};
        case CopyCause::DragStep:
            return CopyRule{ClipboardHistory::Skip, RecentNote::CopyAtLetGo};
        case CopyCause::Button:
        case CopyCause::KeyStep:
        default:
            return CopyRule{ClipboardHistory::Keep, RecentNote::Now};
    }
}

}  // namespace tintwell
