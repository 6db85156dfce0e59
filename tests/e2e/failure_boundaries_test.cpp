// The one report and the procedures the system calls, inside this process: a notice
// told while another one's box shows waits for it instead of opening over it, and
// what the settings dialog's procedure or its key field's throws ends there, reaches
// the caller or the sink, and leaves the program going.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "failure_report.h"
#include "hotkey_field.h"
#include "live_form.h"
#include "settings_dialog.h"
#include "settings_dialog_ids.h"
#include "utf8_text.h"
#include "window_probe.h"

namespace {

using namespace tintwell;
using namespace tintwell::win32;

const Notice kFirst{"最初のお知らせ", NoticeLook::Failure};
const Notice kSecond{"二つ目のお知らせ", NoticeLook::Information};

// From a thread of its own, as the boxes' modal loops hold the test's: tells the form
// kSecond while kFirst's box shows, then closes each box that comes, noting its text
// and how many boxes were ever open at once.
class BoxWatch {
  public:
    explicit BoxWatch(HWND form) : form_(form), most_(0), texts_(), done_(false) {
        thread_ = CreateThread(nullptr, 0, &BoxWatch::Watch, this, 0, nullptr);
    }
    ~BoxWatch() {
        if (thread_ != nullptr) {
            WaitForSingleObject(thread_, 15000);
            CloseHandle(thread_);
        }
    }
    bool done() const { return done_; }
    size_t most() const { return most_; }
    const std::vector<std::wstring> &texts() const { return texts_; }

  private:
    static DWORD WINAPI Watch(void *self) {
        static_cast<BoxWatch *>(self)->Run();
        return 0;
    }
    void Run() {
        const DWORD process = GetCurrentProcessId();
        // Watches for a while after each box, so that one opened over it is seen.
        auto look = [&](DWORD milliseconds) {
            std::vector<HWND> boxes;
            const ULONGLONG until = GetTickCount64() + milliseconds;
            do {
                boxes = testsupport::MessageBoxes(process);
                most_ = std::max(most_.load(), boxes.size());
                Sleep(20);
            } while (GetTickCount64() < until);
            return boxes;
        };
        for (int box = 0; box < 2; ++box) {
            std::vector<HWND> shown;
            testsupport::WaitUntil(5000, [&] {
                shown = testsupport::MessageBoxes(process);
                return !shown.empty();
            });
            if (shown.empty()) break;
            texts_.push_back(testsupport::MessageBoxText(shown.front()));
            if (box == 0) TellUser(form_, kSecond);
            shown = look(400);
            for (HWND open : shown) PostMessageW(open, WM_COMMAND, IDOK, 0);
            testsupport::WaitUntil(3000,
                                   [&] { return testsupport::MessageBoxes(process).empty(); });
        }
        look(300);
        done_ = true;
    }

    HWND form_;
    std::atomic<size_t> most_;
    std::vector<std::wstring> texts_;
    std::atomic<bool> done_;
    HANDLE thread_;
};

class OneReportTest : public LiveFormTest {};

TEST_F(OneReportTest, ANoticeToldWhileABoxShowsWaitsForItAndNeverStacksOnIt) {
    BoxWatch watch(form_->hwnd());
    TellUser(form_->hwnd(), kFirst);
    ASSERT_TRUE(testsupport::WaitUntil(12000, [&] { return watch.done(); }));
    EXPECT_EQ(watch.most(), 1u) << "two boxes were open at once";
    ASSERT_EQ(watch.texts().size(), 2u) << "the notice told under the first box was lost";
    EXPECT_NE(watch.texts()[0].find(L"最初のお知らせ"), std::wstring::npos)
        << testsupport::Utf8(watch.texts()[0]);
    EXPECT_NE(watch.texts()[1].find(L"二つ目のお知らせ"), std::wstring::npos)
        << testsupport::Utf8(watch.texts()[1]);
}

// What a sink was handed, as the user would read it.
class NotedFailures : public FailureSink {
  public:
    void HandlerFailed(const std::exception_ptr &failure) noexcept override {
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception &error) {
            seen.push_back(error.what());
        } catch (...) {
            seen.push_back("?");
        }
    }
    std::vector<std::string> seen;
};

// A listener that throws while `throws` is set and notes the keys it took.
class FailingListener : public KeyFieldListener {
  public:
    bool KeyPressed(uint32_t key, uint32_t) override {
        if (throws) throw std::runtime_error("from the key");
        keys.push_back(key);
        return false;
    }
    void KeysLetGo() override {
        if (throws) throw std::runtime_error("from the let-go");
    }
    bool throws = true;
    std::vector<uint32_t> keys;
};

TEST(KeyFieldBoundaryTest, WhatItsListenerThrowsGoesToTheSinkAndTheFieldGoesOn) {
    const HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 40, nullptr,
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
    const HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 100, 20, parent, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    FailingListener listener;
    NotedFailures failures;
    ASSERT_TRUE(MakeHotkeyField(edit, listener, failures));

    EXPECT_NO_THROW(SendMessageW(edit, WM_KEYDOWN, 'K', 0));
    EXPECT_NO_THROW(SendMessageW(edit, WM_KEYUP, 'K', 0));
    EXPECT_EQ(failures.seen, (std::vector<std::string>{"from the key", "from the let-go"}));
    EXPECT_TRUE(listener.keys.empty());

    listener.throws = false;
    SendMessageW(edit, WM_KEYDOWN, 'J', 0);
    EXPECT_EQ(listener.keys, std::vector<uint32_t>{'J'}) << "the field still reads keys";
    EXPECT_EQ(failures.seen.size(), 2u);
    DestroyWindow(parent);
}

// A settings page that fails at the step it is told to, each from inside the
// dialog's own message loop; unfailing, it presses OK as soon as it is filled.
class FailingPage : public SettingsDialogPage {
  public:
    enum class Step { None, Fill, Command, Key };
    explicit FailingPage(Step step) : step_(step) {}

    void Fill(HWND dialog, FailureSink &failures) override {
        if (step_ == Step::Fill) throw std::runtime_error("from the filling");
        const HWND field = GetDlgItem(dialog, IDC_SETTINGS_HOTKEY_KEYS);
        MakeHotkeyField(field, *this, failures);
        if (step_ == Step::Command) PostMessageW(dialog, WM_COMMAND, IDC_SETTINGS_RESIDENT, 0);
        if (step_ == Step::Key) PostMessageW(field, WM_KEYDOWN, 'K', 0);
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    }
    void Command(HWND, int control) override {
        if (step_ == Step::Command && control == IDC_SETTINGS_RESIDENT)
            throw std::runtime_error("from a command");
    }
    void Read(HWND) override { read = true; }
    bool KeyPressed(uint32_t, uint32_t) override { throw std::runtime_error("from the key"); }
    void KeysLetGo() override {}

    bool read = false;

  private:
    Step step_;
};

class SettingsDialogBoundaryTest : public LiveFormTest {
  protected:
    // Runs the dialog on the page; the text of what it threw, or "" when it did not.
    std::string Run(FailingPage &page, bool &ok) {
        ok = false;
        try {
            ok = RunSettingsDialog(GetModuleHandleW(nullptr), form_->hwnd(), page);
        } catch (const std::exception &error) {
            return error.what();
        }
        return "";
    }
    bool DialogLeft() {
        return testsupport::ShownWindowOf(GetCurrentProcessId(), L"#32770", nullptr) != nullptr;
    }
};

TEST_F(SettingsDialogBoundaryTest, AFailingStepEndsTheDialogAsCancelledAndReachesTheCaller) {
    const struct {
        FailingPage::Step step;
        const char *thrown;
    } cases[] = {{FailingPage::Step::Fill, "from the filling"},
                 {FailingPage::Step::Command, "from a command"},
                 {FailingPage::Step::Key, "from the key"}};
    for (const auto &c : cases) {
        FailingPage page(c.step);
        bool ok = true;
        EXPECT_EQ(Run(page, ok), c.thrown);
        EXPECT_FALSE(page.read) << c.thrown << ": nothing is read after a failure";
        EXPECT_FALSE(DialogLeft()) << c.thrown;
        EXPECT_TRUE(IsWindowEnabled(form_->hwnd())) << c.thrown << ": the owner is given back";
    }
    // And the dialog still opens and closes on OK.
    FailingPage page(FailingPage::Step::None);
    bool ok = false;
    EXPECT_EQ(Run(page, ok), "");
    EXPECT_TRUE(ok);
    EXPECT_TRUE(page.read);
    EXPECT_FALSE(DialogLeft());
}

}  // namespace
