// tintwell-cli.exe as a script runs it: started with its output in a pipe or a file,
// its exit code, standard output and standard error read back. A window of this
// program paints a pattern whose every pixel is known; `at` and a pick read it, and a
// pick's click must not reach it. The rules (arguments, formats, templates, the pick's
// keys) are the core's and tested there; these cases show the wiring to the screen,
// the hooks, the clipboard and the streams.
//
// Usage: tintwell_cli_e2e <tintwell-cli.exe> <tintwell.exe> [GoogleTest options]
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "program_folder.h"

#include "colour_format_list.h"
#include "console_request.h"
#include "control_layout.h"
#include "failing_window_sink.h"
#include "pick_target_window.h"
#include "picker_process.h"
#include "user_input.h"
#include "utf8_text.h"
#include "window_base.h"
#include "window_probe.h"

namespace {

std::wstring cliPath;
std::wstring pickerPath;

using e2e::PickTargetWindow;
using testsupport::Pause;
using testsupport::WaitUntil;

uint32_t Rgb(int red, int green, int blue) {
    return static_cast<uint32_t>(red) | (static_cast<uint32_t>(green) << 8) |
           (static_cast<uint32_t>(blue) << 16);
}

// No channel wraps within the window, so a square's mean is the centre's colour
// only where the pattern is linear, which it is everywhere here.
uint32_t PatternAt(int x, int y) {
    return Rgb((x * 1 + 0x12) & 0xFF, (y * 1 + 0x34) & 0xFF, (x / 2 + y / 3 + 0x56) & 0xFF);
}

const RECT kArea{20, 40, 220, 200};

struct Outcome {
    DWORD code = STILL_ACTIVE;
    std::string out;
    std::string err;
};

std::string ReadAll(HANDLE pipe) {
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    return text;
}

// One run of the console picker, started as a script starts it.
class CliRun {
  public:
    // `toFile`: standard output redirected to a file instead of a pipe.
    // `flags`: CreateProcess's; by default the child has a console of its own.
    explicit CliRun(const std::wstring &arguments, bool toFile = false,
                    DWORD flags = CREATE_NO_WINDOW) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        HANDLE outWrite = nullptr;
        if (toFile) {
            wchar_t folder[MAX_PATH];
            GetTempPathW(MAX_PATH, folder);
            file_ = std::wstring(folder) + L"tintwell-cli-out-" +
                    std::to_wstring(GetCurrentProcessId()) + L".txt";
            outWrite = CreateFileW(file_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        } else {
            CreatePipe(&outRead_, &outWrite, &inherit, 1 << 16);
            SetHandleInformation(outRead_, HANDLE_FLAG_INHERIT, 0);
        }
        HANDLE errWrite = nullptr;
        CreatePipe(&errRead_, &errWrite, &inherit, 1 << 16);
        SetHandleInformation(errRead_, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = outWrite;
        startup.hStdError = errWrite;
        std::wstring command = L"\"" + cliPath + L"\" " + arguments;
        PROCESS_INFORMATION info{};
        if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, flags, nullptr, nullptr,
                           &startup, &info)) {
            process_ = info.hProcess;
            processId_ = info.dwProcessId;
            CloseHandle(info.hThread);
        }
        // Only the child holds the writing ends now: its exit ends the reads.
        CloseHandle(outWrite);
        CloseHandle(errWrite);
    }
    ~CliRun() {
        if (process_ != nullptr) {
            if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 99);
            CloseHandle(process_);
        }
        if (outRead_ != nullptr) CloseHandle(outRead_);
        if (errRead_ != nullptr) CloseHandle(errRead_);
        if (!file_.empty()) DeleteFileW(file_.c_str());
    }
    CliRun(const CliRun &) = delete;
    CliRun &operator=(const CliRun &) = delete;

    bool started() const { return process_ != nullptr; }
    DWORD id() const { return processId_; }

    // Waits for the end, keeping this thread's windows (the pattern) running.
    Outcome Finish(DWORD timeoutMs = 20000) {
        Outcome outcome;
        if (process_ == nullptr) return outcome;
        WaitUntil(timeoutMs, [&] { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; });
        GetExitCodeProcess(process_, &outcome.code);
        if (outcome.code == STILL_ACTIVE) return outcome;
        if (outRead_ != nullptr) outcome.out = ReadAll(outRead_);
        if (!file_.empty()) {
            HANDLE file =
                CreateFileW(file_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (file == INVALID_HANDLE_VALUE) {
                outcome.out = "<no file: " + std::to_string(GetLastError()) + ">";
            } else {
                outcome.out = ReadAll(file);
                CloseHandle(file);
            }
        }
        outcome.err = ReadAll(errRead_);
        return outcome;
    }

  private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HANDLE outRead_ = nullptr;
    HANDLE errRead_ = nullptr;
    std::wstring file_;
};

Outcome RunCli(const std::wstring &arguments, bool toFile = false) {
    CliRun run(arguments, toFile);
    EXPECT_TRUE(run.started()) << testsupport::Utf8(arguments);
    return run.Finish();
}

std::wstring Wide(const std::string &ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

std::wstring Point(POINT p) {
    return std::to_wstring(p.x) + L" " + std::to_wstring(p.y);
}

class ConsolePickerTest : public testing::Test {
  protected:
    void SetUp() override {
        pattern_ = std::make_unique<PickTargetWindow>(kArea, &PatternAt);
        ASSERT_TRUE(
            testsupport::ScreenShows(POINT{kArea.left + 3, kArea.top + 4}, PatternAt(3, 4)));
    }
    void TearDown() override { pattern_.reset(); }

    std::unique_ptr<PickTargetWindow> pattern_;
};

TEST_F(ConsolePickerTest, AtPrintsThePatternPixelInEveryFormatAndTemplate) {
    const POINT at{kArea.left + 57, kArea.top + 83};
    const uint32_t colour = PatternAt(57, 83);
    for (size_t i = 0; i < tintwell::kAllColourFormatCount; ++i) {
        const char *name = tintwell::ConsoleFormatNames()[i];
        const Outcome outcome = RunCli(L"at " + Point(at) + L" --format " + Wide(name));
        EXPECT_EQ(outcome.code, 0u) << name;
        EXPECT_EQ(
            outcome.out,
            tintwell::ColourFormatText(colour, tintwell::ColourFormatTable()[i].format) + "\r\n")
            << name;
        EXPECT_EQ(outcome.err, "") << name;
    }

    const Outcome point = RunCli(L"--xy at " + Point(at));
    EXPECT_EQ(point.out, tintwell::ColourFormatText(colour, tintwell::ColourFormat::HashHex) + " " +
                             std::to_string(at.x) + " " + std::to_string(at.y) + "\r\n");

    // UTF-8 on standard output, whatever the console's code page.
    const Outcome templated =
        RunCli(L"at " + Point(at) + L" --no-newline --template \"色 {r},{g},{b}\"");
    EXPECT_EQ(templated.code, 0u);
    EXPECT_EQ(templated.out, "\xE8\x89\xB2 " + std::to_string(colour & 0xFF) + "," +
                                 std::to_string((colour >> 8) & 0xFF) + "," +
                                 std::to_string((colour >> 16) & 0xFF));

    // A 5x5 mean over a pattern that is linear around the point is its centre's colour
    // in red and green; blue steps by halves and thirds, and its mean is worked out here.
    int blue = 0;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx)
            blue += static_cast<int>((PatternAt(57 + dx, 83 + dy) >> 16) & 0xFF);
    }
    const uint32_t mean = (colour & 0xFFFF) | (static_cast<uint32_t>((blue * 2 + 25) / 50) << 16);
    EXPECT_EQ(RunCli(L"at " + Point(at) + L" --sample 5 --format rgb").out,
              tintwell::ColourFormatText(mean, tintwell::ColourFormat::Rgb) + "\r\n");
}

TEST_F(ConsolePickerTest, ConvertWritesEveryFormatToAPipeAndToAFile) {
    for (size_t i = 0; i < tintwell::kAllColourFormatCount; ++i) {
        const char *name = tintwell::ConsoleFormatNames()[i];
        const Outcome outcome =
            RunCli(L"convert \"rgb(26 43 60)\" --format=" + Wide(name), i % 2 == 1);
        EXPECT_EQ(outcome.code, 0u) << name;
        EXPECT_EQ(
            outcome.out,
            tintwell::ColourFormatText(0x3C2B1A, tintwell::ColourFormatTable()[i].format) + "\r\n")
            << name;
        EXPECT_EQ(outcome.err, "") << name;
    }
    // A wide-character argument arrives whole; cmd's unquoted rgb(26, 43, 60) too.
    EXPECT_EQ(RunCli(L"convert ｒｅｂｅｃｃａｐｕｒｐｌｅ").out, "#663399\r\n");
    EXPECT_EQ(RunCli(L"convert rgb(26, 43, 60) --template {r:x}{g:x}{b:x}").out, "1a2b3c\r\n");
    EXPECT_EQ(RunCli(L"convert -- \"--brand: #1A2B3C;\" --format rgb").out,
              "");  // after "--" even "--format" is part of the text, which is no colour
    EXPECT_EQ(RunCli(L"--format rgb convert -- \"--brand: #1A2B3C;\"").out, "rgb(26, 43, 60)\r\n");
}

TEST_F(ConsolePickerTest, BadArgumentsAndInputExitWithTwoSayingWhyAndPrintNothing) {
    for (const wchar_t *line :
         {L"", L"peek", L"at 10", L"at ten 20", L"convert", L"convert \"not a colour\"",
          L"convert red --xy", L"pick --format hexa", L"pick --sample 4",
          L"pick --template \"{nope}\"", L"pick --format rgb --template {r}", L"pick --copy --copy",
          L"pick extra"}) {
        const Outcome outcome = RunCli(line);
        EXPECT_EQ(outcome.code, 2u) << testsupport::Utf8(line);
        EXPECT_EQ(outcome.out, "") << testsupport::Utf8(line);
        EXPECT_NE(outcome.err.find("tintwell-cli"), std::string::npos) << testsupport::Utf8(line);
    }
    const Outcome notColour = RunCli(L"convert tomatoes");
    EXPECT_NE(notColour.err.find("「tomatoes」"), std::string::npos) << notColour.err;
    // A point on no monitor is bad input too.
    for (const wchar_t *line : {L"at -5 12", L"at 100000 100000"}) {
        const Outcome offScreen = RunCli(line);
        EXPECT_EQ(offScreen.code, 2u) << testsupport::Utf8(line);
        EXPECT_EQ(offScreen.out, "") << testsupport::Utf8(line);
        EXPECT_NE(offScreen.err.find(
                      testsupport::Utf8(std::wstring(line + 3))
                          .replace(testsupport::Utf8(std::wstring(line + 3)).find(' '), 1, ", ")),
                  std::string::npos)
            << offScreen.err;
    }

    const Outcome help = RunCli(L"--help");
    EXPECT_EQ(help.code, 0u);
    EXPECT_NE(help.out.find("--template"), std::string::npos);
    EXPECT_EQ(RunCli(L"--version").out.rfind("tintwell-cli ", 0), 0u);
}

TEST_F(ConsolePickerTest, CopyPutsTheTextWithoutThePointOnTheClipboardBesideARunningPicker) {
    testsupport::PickerProcess picker(pickerPath);
    ASSERT_TRUE(picker.started());
    ASSERT_NE(picker.WaitForForm(60000), nullptr);

    const POINT at{kArea.left + 10, kArea.top + 20};
    const Outcome outcome = RunCli(L"at " + Point(at) + L" --xy --copy --format hsl");
    const std::string text =
        tintwell::ColourFormatText(PatternAt(10, 20), tintwell::ColourFormat::Hsl);
    EXPECT_EQ(outcome.code, 0u) << outcome.err;
    EXPECT_EQ(outcome.out, text + " " + std::to_string(at.x) + " " + std::to_string(at.y) + "\r\n");
    EXPECT_EQ(testsupport::ClipboardText().value_or(L"<none>"),
              std::wstring(text.begin(), text.end()));
    // Started detached, with no streams at all (as a launcher may start it only to copy),
    // it copies and ends as done.
    std::wstring command = L"\"" + cliPath + L"\" convert lime --copy --format rgb";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    DWORD code = STILL_ACTIVE;
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS,
                               nullptr, nullptr, &startup, &info));
    WaitUntil(20000, [&] { return WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0; });
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(testsupport::ClipboardText().value_or(L"<none>"), L"rgb(0, 255, 0)");

    // The picker runs on, alone with its window: the console picker took nothing of it.
    EXPECT_TRUE(picker.IsRunning());
    EXPECT_EQ(testsupport::TopLevelWindows(picker.id(), tintwell::win32::kFormClass).size(), 1u);
}

// In a real console the text arrives as characters, whatever the console's code page.
TEST_F(ConsolePickerTest, ARealConsoleShowsTheTextAsWritten) {
    const HANDLE savedOut = GetStdHandle(STD_OUTPUT_HANDLE);
    const HANDLE savedErr = GetStdHandle(STD_ERROR_HANDLE);
    const HANDLE savedIn = GetStdHandle(STD_INPUT_HANDLE);
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    SetConsoleOutputCP(437);
    const HANDLE screen =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    std::wstring command = L"\"" + cliPath + L"\" convert \"#1A2B3C\" --template \"色 {r}\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    DWORD code = STILL_ACTIVE;
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &info)) {
        WaitUntil(20000, [&] { return WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0; });
        GetExitCodeProcess(info.hProcess, &code);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    std::wstring shown;
    CONSOLE_SCREEN_BUFFER_INFO buffer{};
    if (screen != INVALID_HANDLE_VALUE && GetConsoleScreenBufferInfo(screen, &buffer)) {
        for (SHORT row = 0; row <= buffer.dwCursorPosition.Y; ++row) {
            std::wstring line(static_cast<size_t>(buffer.dwSize.X), L' ');
            DWORD read = 0;
            ReadConsoleOutputCharacterW(screen, line.data(), buffer.dwSize.X, COORD{0, row}, &read);
            line.resize(read);
            shown += line.substr(0, line.find_last_not_of(L' ') + 1) + L"\n";
        }
    }
    if (screen != INVALID_HANDLE_VALUE) CloseHandle(screen);
    FreeConsole();
    SetStdHandle(STD_OUTPUT_HANDLE, savedOut);
    SetStdHandle(STD_ERROR_HANDLE, savedErr);
    SetStdHandle(STD_INPUT_HANDLE, savedIn);
    EXPECT_EQ(code, 0u);
    EXPECT_NE(shown.find(L"色 26\n"), std::wstring::npos) << testsupport::Utf8(shown);
}

// A pick with the pattern's window in front: the loupe shows, the click takes the
// pixel under the pointer and reaches no window, Esc and a right click take nothing.
class ConsolePickTest : public ConsolePickerTest {
  protected:
    // The loupe of the console picker's process has come (or gone).
    bool LoupeShown(const CliRun &run, bool shown) {
        return WaitUntil(10000, [&] {
            return (testsupport::ShownWindowOf(run.id(), L"TintwellLoupe", nullptr) != nullptr) ==
                   shown;
        });
    }
};

TEST_F(ConsolePickTest, AClickPrintsThePixelUnderThePointerAndReachesNoWindow) {
    const POINT at{kArea.left + 61, kArea.top + 77};
    ASSERT_TRUE(
        e2e::RunXdoTool(L"mousemove " + std::to_wstring(at.x) + L" " + std::to_wstring(at.y)));
    CliRun run(L"pick --format rgb --xy");
    ASSERT_TRUE(run.started());
    ASSERT_TRUE(LoupeShown(run, true));
    EXPECT_EQ(GetForegroundWindow(), pattern_->hwnd()) << "the pick takes no activation";
    ASSERT_TRUE(e2e::RunXdoTool(L"click 1"));
    const Outcome outcome = run.Finish();
    EXPECT_EQ(outcome.code, 0u) << outcome.err;
    EXPECT_EQ(outcome.out,
              tintwell::ColourFormatText(PatternAt(61, 77), tintwell::ColourFormat::Rgb) + " " +
                  std::to_string(at.x) + " " + std::to_string(at.y) + "\r\n");
    EXPECT_EQ(outcome.err, "");
    Pause(300);
    EXPECT_EQ(pattern_->buttonMessages(), 0);

    // With the pick over, the same click reaches the window again.
    ASSERT_TRUE(e2e::RunXdoTool(L"click 1"));
    EXPECT_TRUE(WaitUntil(5000, [&] { return pattern_->buttonMessages() > 0; }));
}

TEST_F(ConsolePickTest, EnterPicksFromAFrozenScreenEscAndARightClickCancelAndPrintNothing) {
    const POINT at{kArea.left + 30, kArea.top + 40};
    ASSERT_TRUE(
        e2e::RunXdoTool(L"mousemove " + std::to_wstring(at.x) + L" " + std::to_wstring(at.y)));
    {
        // Frozen, the pick takes what the snapshot holds at the pointer.
        CliRun run(L"pick --no-newline");
        ASSERT_TRUE(LoupeShown(run, true));
        ASSERT_TRUE(e2e::RunXdoTool(L"key ctrl+f"));
        Pause(300);
        ASSERT_TRUE(pattern_->Shift(9));
        ASSERT_TRUE(e2e::RunXdoTool(L"key Return"));
        const Outcome outcome = run.Finish();
        EXPECT_EQ(outcome.code, 0u) << outcome.err;
        EXPECT_EQ(outcome.out,
                  tintwell::ColourFormatText(PatternAt(30, 40), tintwell::ColourFormat::HashHex));
    }
    for (const wchar_t *cancel : {L"key Escape", L"click 3"}) {
        CliRun run(L"pick");
        ASSERT_TRUE(LoupeShown(run, true)) << testsupport::Utf8(cancel);
        ASSERT_TRUE(e2e::RunXdoTool(cancel));
        const Outcome outcome = run.Finish();
        EXPECT_EQ(outcome.code, 1u) << testsupport::Utf8(cancel);
        EXPECT_EQ(outcome.out, "") << testsupport::Utf8(cancel);
        EXPECT_EQ(outcome.err, "") << testsupport::Utf8(cancel);
    }
    Pause(300);
    EXPECT_EQ(pattern_->buttonMessages(), 0);
}

// Win+Space switches the input method, Alt+Space opens a window's menu: the system's
// keys, which the pick lets through and which neither pick nor cancel, though the Space
// shows as down in the system's key state while they are held. Each is held a moment,
// as a hand holds it.
TEST_F(ConsolePickTest, WinAndAltCombinationsPassAndThePickGoesOnTillEsc) {
    ASSERT_TRUE(e2e::RunXdoTool(L"mousemove 100 100"));
    CliRun run(L"pick");
    ASSERT_TRUE(LoupeShown(run, true));
    for (const wchar_t *keys : {L"super+space", L"alt+space"}) {
        ASSERT_TRUE(e2e::RunXdoTool(std::wstring(L"keydown ") + keys));
        Pause(250);
        ASSERT_TRUE(e2e::RunXdoTool(std::wstring(L"keyup ") + keys));
        Pause(300);
        EXPECT_NE(testsupport::ShownWindowOf(run.id(), L"TintwellLoupe", nullptr), nullptr)
            << testsupport::Utf8(keys);
    }
    SetForegroundWindow(pattern_->hwnd());
    ASSERT_TRUE(e2e::RunXdoTool(L"key Escape"));
    const Outcome outcome = run.Finish();
    EXPECT_EQ(outcome.code, 1u) << outcome.out << outcome.err;
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "");
}

// A click held longer than any cut-off keeps the program running until its release,
// which the hooks swallow before they go: a console program gone while the release
// is owed would leave it to the window beneath.
TEST_F(ConsolePickTest, AHeldClickKeepsThePickUntilItsReleaseWhichReachesNoWindow) {
    const POINT at{kArea.left + 45, kArea.top + 12};
    ASSERT_TRUE(
        e2e::RunXdoTool(L"mousemove " + std::to_wstring(at.x) + L" " + std::to_wstring(at.y)));
    CliRun run(L"pick --format rgb");
    ASSERT_TRUE(LoupeShown(run, true));
    ASSERT_TRUE(e2e::RunXdoTool(L"mousedown 1"));
    ASSERT_TRUE(LoupeShown(run, false));
    Pause(2600);
    EXPECT_EQ(run.Finish(0).code, STILL_ACTIVE) << "gone with the release still owed";
    ASSERT_TRUE(e2e::RunXdoTool(L"mouseup 1"));
    const Outcome outcome = run.Finish();
    EXPECT_EQ(outcome.code, 0u) << outcome.err;
    EXPECT_EQ(outcome.out,
              tintwell::ColourFormatText(PatternAt(45, 12), tintwell::ColourFormat::Rgb) + "\r\n");
    Pause(300);
    EXPECT_EQ(pattern_->buttonMessages(), 0);
}

// The system may remove a hook that kept the input waiting; the pick then sees its
// click reach the program beneath and ends as a failure that says so, printing nothing.
TEST_F(ConsolePickTest, HooksThatNoLongerRunEndThePickWithExitThreeSayingSo) {
    ASSERT_TRUE(e2e::RunXdoTool(L"mousemove 100 100"));
    CliRun run(L"pick");
    ASSERT_TRUE(LoupeShown(run, true));
    Outcome outcome;
    {
        const e2e::HooksBypassed bypass;
        ASSERT_TRUE(bypass.installed());
        ASSERT_TRUE(e2e::RunXdoTool(L"click 1"));
        EXPECT_TRUE(WaitUntil(5000, [&] { return pattern_->buttonMessages() > 0; }))
            << "the click went past the console picker's hooks";
        outcome = run.Finish();
    }
    EXPECT_EQ(outcome.code, 3u) << outcome.out << outcome.err;
    EXPECT_EQ(outcome.out, "");
    EXPECT_NE(outcome.err.find("画面から色を取るのをやめました。"), std::string::npos)
        << outcome.err;
}

// The mouse's buttons swapped for the left hand, as the user's setting, for as long as
// it lives; each console pick is a program started after it, and reads it afresh.
class ButtonsSwapped {
  public:
    ButtonsSwapped() { Swap(true); }
    ~ButtonsSwapped() { Swap(false); }
    ButtonsSwapped(const ButtonsSwapped &) = delete;
    ButtonsSwapped &operator=(const ButtonsSwapped &) = delete;

  private:
    static void Swap(bool swapped) {
        SystemParametersInfoW(SPI_SETMOUSEBUTTONSWAP, swapped ? TRUE : FALSE, nullptr,
                              SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    }
};

// Swapped, the physical right button is the primary one, which picks; the left cancels.
TEST_F(ConsolePickTest, WithTheButtonsSwappedThePrimaryPicksAndTheSecondaryCancels) {
    const ButtonsSwapped swapped;
    const POINT at{kArea.left + 31, kArea.top + 47};
    ASSERT_TRUE(
        e2e::RunXdoTool(L"mousemove " + std::to_wstring(at.x) + L" " + std::to_wstring(at.y)));
    {
        CliRun run(L"pick --format rgb");
        ASSERT_TRUE(LoupeShown(run, true));
        ASSERT_TRUE(e2e::RunXdoTool(L"click 1"));
        const Outcome outcome = run.Finish();
        EXPECT_EQ(outcome.code, 1u) << outcome.out << outcome.err;
        EXPECT_EQ(outcome.out, "");
    }
    CliRun run(L"pick --format rgb");
    ASSERT_TRUE(LoupeShown(run, true));
    ASSERT_TRUE(e2e::RunXdoTool(L"click 3"));
    const Outcome outcome = run.Finish();
    EXPECT_EQ(outcome.code, 0u) << outcome.err;
    EXPECT_EQ(outcome.out,
              tintwell::ColourFormatText(PatternAt(31, 47), tintwell::ColourFormat::Rgb) + "\r\n");
    Pause(300);
    EXPECT_EQ(pattern_->buttonMessages(), 0);
}

BOOL WINAPI IgnoreBreak(DWORD) {
    return TRUE;
}

TEST_F(ConsolePickTest, CtrlCInTheConsoleCancelsThePick) {
    const HANDLE saved[] = {GetStdHandle(STD_INPUT_HANDLE), GetStdHandle(STD_OUTPUT_HANDLE),
                            GetStdHandle(STD_ERROR_HANDLE)};
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    // The console's every process gets the Ctrl+C, this one too, which lets it pass.
    SetConsoleCtrlHandler(&IgnoreBreak, TRUE);
    Outcome outcome;
    {
        CliRun run(L"pick", false, 0);
        if (LoupeShown(run, true)) {
            EXPECT_TRUE(GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0)) << GetLastError();
            outcome = run.Finish();
        } else {
            ADD_FAILURE() << "no loupe";
        }
    }
    Pause(200);
    SetConsoleCtrlHandler(&IgnoreBreak, FALSE);
    FreeConsole();
    SetStdHandle(STD_INPUT_HANDLE, saved[0]);
    SetStdHandle(STD_OUTPUT_HANDLE, saved[1]);
    SetStdHandle(STD_ERROR_HANDLE, saved[2]);
    EXPECT_EQ(outcome.code, 1u);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "");
}

}  // namespace

int main(int argc, char **argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: tintwell_cli_e2e <tintwell-cli.exe> <tintwell.exe>\n");
        return 2;
    }
    cliPath = testsupport::WindowsPath(argv[1]);
    pickerPath = testsupport::WindowsPath(argv[2]);
    // The test reads places and pixels as the screen has them, as the console picker does.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    return RUN_ALL_TESTS();
}
