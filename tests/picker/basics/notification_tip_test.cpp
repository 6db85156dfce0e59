#include <gtest/gtest.h>

#include <optional>

#include "colour_word.h"
#include "user_texts.h"

namespace tintwell::testing {
namespace {

TEST(NotificationTip, NamesTheShownColourRedFirstOrTheProgramAlone) {
    EXPECT_EQ(NotificationTip(ColorRef{0x563412}), u"Tintwell #123456");
    EXPECT_EQ(NotificationTip(ColorRef{0x0A0BFC}), u"Tintwell #FC0B0A");
    EXPECT_EQ(NotificationTip(std::nullopt), u"Tintwell");
}

}  // namespace
}  // namespace tintwell::testing
