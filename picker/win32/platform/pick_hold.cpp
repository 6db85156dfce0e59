#include "pick_hold.h"

namespace tintwell::win32 {

bool PickHold::Begin(HWND window, HotkeyCombo hotkey) {
    // Read at each start: the user may have swapped the buttons since the last.
    if (!session_.Start(hotkey, GetSystemMetrics(SM_SWAPBUTTON) != 0)) return false;
    if (!hooks_.Install(window, session_)) {
        session_.Finish(PickActionKind::Cancel);
        session_.HooksRemoved();
        return false;
    }
    witness_.Watch(window);
    return true;
}

bool PickHold::End(PickActionKind how) {
    if (!session_.Finish(how)) return false;
    witness_.Stop();
    owedUntil_ = GetTickCount64() + kOwedUpsLongestMs;
    return true;
}

bool PickHold::LetGoWhenDone() {
    if (session_.running() || !hooks_.installed()) return hooks_.installed();
    if (!session_.hooksNeeded() || GetTickCount64() >= owedUntil_) Release();
    return hooks_.installed();
}

void PickHold::Release() {
    hooks_.Remove();
    session_.HooksRemoved();
}

PickHold::Witness PickHold::OnRawInput(LPARAM rawInput) {
    if (!session_.running()) return Witness::Fine;
    const PickWitness::Presses presses = PickWitness::PressesIn(rawInput);
    const auto now = static_cast<uint32_t>(GetTickCount());
    for (int i = 0; i < presses.keys; ++i) session_.OnWitnessedPress(PressKind::Key, now);
    for (int i = 0; i < presses.buttons; ++i) session_.OnWitnessedPress(PressKind::Button, now);
    // A move or a release changes nothing the witness waits for.
    return presses.keys + presses.buttons > 0 ? Check() : Witness::Fine;
}

// A press the hooks did not see went on to the program beneath: the hooks are gone.
PickHold::Witness PickHold::Check() const {
    if (!session_.running()) return Witness::Fine;
    if (session_.HooksGone(static_cast<uint32_t>(GetTickCount()))) return Witness::HooksGone;
    return session_.witnessWaiting() ? Witness::Waiting : Witness::Fine;
}

}  // namespace tintwell::win32
