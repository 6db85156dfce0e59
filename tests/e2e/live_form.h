// A real Form1 built in the test's own process from the window layer's code, shown
// without taking the activation, and destroyed after each test.
#ifndef TINTWELL_TESTS_E2E_LIVE_FORM_H
#define TINTWELL_TESTS_E2E_LIVE_FORM_H

#include <windows.h>

#include <memory>

#include <gtest/gtest.h>

#include "control_layout.h"
#include "form_window.h"

class LiveFormTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        tintwell::win32::FormWindow::RegisterClasses(GetModuleHandleW(nullptr));
    }

    void SetUp() override {
        form_ = std::make_unique<tintwell::win32::FormWindow>(GetModuleHandleW(nullptr));
        ASSERT_TRUE(form_->Start(SW_SHOWNOACTIVATE)) << "dyeplate.dll must lie beside the test";
    }
    void TearDown() override {
        if (form_->hwnd() != nullptr) DestroyWindow(form_->hwnd());
        form_.reset();
    }

    HWND Control(tintwell::win32::ControlId id) { return GetDlgItem(form_->hwnd(), id); }

    std::unique_ptr<tintwell::win32::FormWindow> form_;
};

#endif  // TINTWELL_TESTS_E2E_LIVE_FORM_H
