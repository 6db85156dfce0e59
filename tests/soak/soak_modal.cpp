#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "soak_run.h"

namespace soak {
namespace {

using namespace tintwell::win32;

}  // namespace

bool SoakRun::RunModalFailure() {
    const Colour first = 0x3264C8, second = 0x96501E;
    const DWORD processId = picker_.processId();
    lastAction_ = "sampling";
    if (!ShowSampleColour(first) || !Click(kCheck3)) return false;
    Pause(400);
    model_.Sample(first);
    CheckShown();

    lastAction_ = "strip press without GetColor2";
    double elapsed = 0;
    if (!picker_.Send(picker_.control(kPicture2), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 100),
                      options_.answerTimeoutMs, elapsed))
        Fail("the window did not answer the failing press");
    picker_.Send(picker_.control(kPicture2), WM_LBUTTONUP, 0, MAKELPARAM(5, 100),
                 options_.answerTimeoutMs, elapsed);
    std::vector<HWND> boxes;
    for (int wait = 0; wait < 200 && boxes.empty(); ++wait) {
        Pause(10);
        boxes = MessageBoxes(processId);
    }
    if (boxes.size() != 1) {
        Fail("expected one message box for the failure, found " + std::to_string(boxes.size()));
        return false;
    }
    const std::wstring boxText = MessageBoxText(boxes[0]);
    if (boxText.find(L"GetColor2") == std::wstring::npos)
        Fail("the message box does not name GetColor2");

    // Ticks keep coming under the box; a new colour under the cursor shows whether
    // any of them ran.
    lastAction_ = "ticks under the message box";
    if (!ShowSampleColour(second)) return false;
    double worstUs = 0;
    for (int probe = 0; probe < 15; ++probe) {
        if (!picker_.Send(picker_.form(), WM_NULL, 0, 0, 1000, elapsed))
            Fail("the window stopped answering under the message box");
        worstUs = std::max(worstUs, elapsed);
        Pause(100);
    }
    const size_t boxesUnder = MessageBoxes(processId).size();
    if (boxesUnder != 1)
        Fail("ticks under the message box raised more boxes: " + std::to_string(boxesUnder));
    CheckShown();

    lastAction_ = "after the message box";
    PostMessageW(boxes[0], WM_COMMAND, IDOK, 0);
    for (int wait = 0; wait < 200 && !MessageBoxes(processId).empty(); ++wait) Pause(10);
    // Wine without a window manager waits 2 s for the closed box to be withdrawn
    // from the X display before the window can answer again; on Windows it is at once.
    double afterCloseUs = 0;
    if (!picker_.Send(picker_.form(), WM_NULL, 0, 0, 5000, afterCloseUs))
        Fail("the window did not answer within 5 s after the message box was closed");
    Pause(500);
    model_.Sample(second);
    CheckShown();
    const size_t boxesAfter = MessageBoxes(processId).size();
    if (boxesAfter != 0)
        Fail("message boxes after the first was closed: " + std::to_string(boxesAfter));
    Click(kCheck3);

    std::printf(
        "modal failure: worst answer under the message box %.0f us; first answer after "
        "closing it %.0f us; %zu box(es) under it, %zu after\n",
        worstUs, afterCloseUs, boxesUnder, boxesAfter);
    std::printf("%d passed, %zu failed\n", checksPassed_, failures_.size());
    return failures_.empty();
}

}  // namespace soak
