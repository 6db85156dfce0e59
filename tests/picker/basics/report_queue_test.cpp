// Which notices reach the user, and in what turn: the rule of report_queue.h.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "report_queue.h"
#include "user_texts.h"

namespace tintwell::testing {
namespace {

const Notice kBusy{messages::kClipboardBusy, NoticeLook::Failure};
const Notice kNotCopied{messages::kPickNotCopied, NoticeLook::Failure};

// Shows whatever waits, box after box, as the window does; the texts it showed.
std::vector<std::string> ShowAll(ReportQueue &queue) {
    std::vector<std::string> shown;
    while (const std::optional<Notice> next = queue.TakeNext()) {
        shown.push_back(next->text);
        queue.Dismissed();
    }
    return shown;
}

TEST(ReportQueue, AFailureOfWhatTheUserDidIsToldEveryTime) {
    ReportQueue queue;
    for (int time = 0; time < 3; ++time) {
        queue.UserActed();
        EXPECT_TRUE(queue.Add(kBusy, NoticeOrigin::UserAction)) << "time " << time;
        EXPECT_EQ(ShowAll(queue), std::vector<std::string>{kBusy.text}) << "time " << time;
    }
    // Also without anything in between that counted as an action (a menu item run
    // from a notification icon's menu while the form saw nothing).
    EXPECT_TRUE(queue.Add(kBusy, NoticeOrigin::UserAction));
    EXPECT_EQ(ShowAll(queue).size(), 1u);
}

TEST(ReportQueue, AFailureThatRepeatsByItselfIsToldOnceUntilTheUserActsAgain) {
    ReportQueue queue;
    EXPECT_TRUE(queue.Add(kBusy, NoticeOrigin::ByItself));
    ShowAll(queue);
    for (int tick = 0; tick < 50; ++tick) {
        EXPECT_FALSE(queue.Add(kBusy, NoticeOrigin::ByItself)) << "tick " << tick;
    }
    EXPECT_FALSE(queue.Busy());
    // Another failure is news, even coming by itself.
    EXPECT_TRUE(queue.Add(kNotCopied, NoticeOrigin::ByItself));
    ShowAll(queue);

    queue.UserActed();
    EXPECT_TRUE(queue.Add(kBusy, NoticeOrigin::ByItself)) << "told again after the user acted";
    ShowAll(queue);
    EXPECT_FALSE(queue.Add(kBusy, NoticeOrigin::ByItself));

    // The user's own failure keeps the same failure's ticks quiet after it.
    queue.UserActed();
    EXPECT_TRUE(queue.Add(kNotCopied, NoticeOrigin::UserAction));
    EXPECT_FALSE(queue.Add(kNotCopied, NoticeOrigin::ByItself));
    EXPECT_EQ(ShowAll(queue).size(), 1u);
}

TEST(ReportQueue, OneBoxAtATimeTheNextWaitsAndTheSameTextIsMerged) {
    ReportQueue queue;
    const Notice information{"クリップボードに色がありません。", NoticeLook::Information};
    EXPECT_FALSE(queue.Busy());
    ASSERT_TRUE(queue.Add(kBusy, NoticeOrigin::UserAction));
    const std::optional<Notice> first = queue.TakeNext();
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->text, kBusy.text);

    // While the first is on screen: a second waits, a repeat of the shown one merges.
    EXPECT_TRUE(queue.Add(information, NoticeOrigin::UserAction));
    EXPECT_FALSE(queue.Add(kBusy, NoticeOrigin::UserAction)) << "already on screen";
    EXPECT_FALSE(queue.Add(information, NoticeOrigin::UserAction)) << "already waiting";
    EXPECT_FALSE(queue.TakeNext().has_value()) << "a second box over the first";
    EXPECT_TRUE(queue.Busy());

    queue.Dismissed();
    EXPECT_TRUE(queue.Busy()) << "one still waits";
    const std::optional<Notice> second = queue.TakeNext();
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(*second, information);
    queue.Dismissed();
    EXPECT_FALSE(queue.Busy());
    EXPECT_FALSE(queue.TakeNext().has_value());
}

TEST(ReportQueue, AFloodOfDifferentNoticesIsCutAtTheLimit) {
    ReportQueue queue;
    size_t queued = 0;
    for (int i = 0; i < 40; ++i) {
        if (queue.Add(Notice{"failure " + std::to_string(i)}, NoticeOrigin::UserAction)) ++queued;
    }
    EXPECT_EQ(queued, ReportQueue::kMaxWaiting);
    EXPECT_EQ(ShowAll(queue).front(), "failure 0") << "the first come first";
}

}  // namespace
}  // namespace tintwell::testing
