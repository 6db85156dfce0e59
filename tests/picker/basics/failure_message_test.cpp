#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>

#include "colour_word.h"
#include "text_encoding.h"
#include "user_texts.h"

namespace tintwell::testing {
namespace {

// A failure's own words reach the user only when they were written for the user;
// whatever a library or the runtime says stays out of the message box.
TEST(FailureMessage, TheUserReadsOnlyWordsWrittenForTheUser) {
    EXPECT_EQ(FailureMessage(PickerError(messages::kClipboardBusy)), messages::kClipboardBusy);
    EXPECT_EQ(FailureMessage(std::bad_alloc()), messages::kOutOfMemory);
    EXPECT_EQ(FailureMessage(std::out_of_range("no such control")), messages::kUnexpectedError);

    const std::u16string startup = StartupFailureMessage(std::runtime_error("vector::_M_range"));
    EXPECT_EQ(startup.find(u"vector"), std::u16string::npos);
    EXPECT_NE(startup.find(Utf8ToUtf16(messages::kUnexpectedError)), std::u16string::npos);
}

}  // namespace
}  // namespace tintwell::testing
