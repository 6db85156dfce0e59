#include "report_queue.h"

#include <algorithm>
#include <utility>

namespace tintwell {

bool ReportQueue::Add(const Notice &notice, NoticeOrigin origin) {
    const bool toldAlready = toldSinceAction_.count(notice.text) != 0;
    if (origin == NoticeOrigin::ByItself && toldAlready) return false;
    if (showing_ == notice || std::find(waiting_.begin(), waiting_.end(), notice) != waiting_.end())
        return false;
    if (waiting_.size() >= kMaxWaiting) return false;
    waiting_.push_back(notice);
    toldSinceAction_.insert(notice.text);
    return true;
}

std::optional<Notice> ReportQueue::TakeNext() {
    if (showing_ || waiting_.empty()) return std::nullopt;
    showing_ = std::move(waiting_.front());
    waiting_.pop_front();
    return showing_;
}

}  // namespace tintwell
