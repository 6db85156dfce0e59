// One resident instance per user session: the instance that lives in the
// notification area holds a named mark, and a program started beside it asks it to
// show its window and then ends, instead of putting a second icon beside the first.
// Instances that are not resident hold no mark and answer no one, so with the
// notification icon off any number of windows may be open, as before.
#ifndef TINTWELL_PICKER_WIN32_RESIDENT_INSTANCE_H
#define TINTWELL_PICKER_WIN32_RESIDENT_INSTANCE_H

#include <windows.h>

namespace tintwell::win32 {

// The message a resident instance's window answers with kResidentAnswer, after it
// has shown itself.
UINT ShowResidentMessage();
constexpr LRESULT kResidentAnswer = 0x54574C;

// The mark, held from Take to Release or the object's end. Taking it and finding
// another instance that holds it are one step, the named object's creation, so that
// of two starts at once exactly one becomes the resident one.
class ResidentMark {
  public:
    ResidentMark();
    ~ResidentMark();
    ResidentMark(const ResidentMark &) = delete;
    ResidentMark &operator=(const ResidentMark &) = delete;

    // True when this instance holds the mark now; false when another one does (or,
    // rarely, the system could make no mark: then none is resident on its word).
    bool Take();
    void Release();
    bool held() const { return mutex_ != nullptr; }

  private:
    HANDLE mutex_;
};

// At start: when a resident instance holds the mark, asks its window (of the form's
// class) to show itself, lets it come to the foreground, and returns true: this
// start should end. False when there is none, or none answered.
bool ShowResidentInstance(const wchar_t *formClass);

}  // namespace tintwell::win32

#endif  // TINTWELL_PICKER_WIN32_RESIDENT_INSTANCE_H
