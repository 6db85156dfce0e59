// GoogleTest built with MinGW's win32 thread model, which has no std::mutex or
// std::condition_variable: its one use of them, Notification, is supplied here on
// top of a Windows event. Everything else of GoogleTest already uses Windows
// primitives on this platform.
#ifndef TINTWELL_TESTS_E2E_GTEST_MINGW_CUSTOM_GTEST_PORT_H
#define TINTWELL_TESTS_E2E_GTEST_MINGW_CUSTOM_GTEST_PORT_H

#if defined(__MINGW32__)

#include <windows.h>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification {
  public:
    Notification() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { CloseHandle(event_); }
    Notification(const Notification &) = delete;
    Notification &operator=(const Notification &) = delete;

    void Notify() { SetEvent(event_); }
    void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

  private:
    HANDLE event_;
};

}  // namespace internal
}  // namespace testing

#endif  // __MINGW32__

#endif  // TINTWELL_TESTS_E2E_GTEST_MINGW_CUSTOM_GTEST_PORT_H
