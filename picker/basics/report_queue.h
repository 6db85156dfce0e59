// What the user is told in a message box, one box at a time, and which failures are
// told again. The window layer shows the boxes; this decides what goes into them.
//
// Every notice waits its turn: a second one never opens over the first, and one
// that says what a waiting or shown box already says is merged into it. While any
// notice waits or shows, the window runs no handler (see Busy), so nothing behind
// the box can pile up more of them.
//
// When a failure is told again depends on what brought it:
// - A failure of something the user did (a click, a key, a menu choice, the hotkey,
//   Ctrl+V) is told every time. The user asked for it each time, and a second
//   "clipboard busy" told once and then kept quiet would look like a success.
// - A failure that comes back by itself (a timer's tick reading the screen ten times
//   a second, a paint, a pointer moving) is told once, and again only after the user
//   has done something since it was last told. A box brought back a tenth of a
//   second after each dismissal would keep the user from the very switch that stops
//   the ticks; once the user has acted, the same failure is news about the program
//   as it now is, at most once per action.
#ifndef TINTWELL_PICKER_REPORT_QUEUE_H
#define TINTWELL_PICKER_REPORT_QUEUE_H

#include <cstddef>
#include <deque>
#include <optional>
#include <set>
#include <string>

namespace tintwell {

// How a box looks: a failure (the exclamation mark), news that is no failure (a paste
// that found no colour), or a file that could not be written (under the save's own
// caption).
enum class NoticeLook { Failure, Information, FileNotSaved };

struct Notice {
    std::string text;  // UTF-8, as user_texts.h gives it
    NoticeLook look = NoticeLook::Failure;

    friend bool operator==(const Notice &a, const Notice &b) {
        return a.text == b.text && a.look == b.look;
    }
};

enum class NoticeOrigin { UserAction, ByItself };

class ReportQueue {
  public:
    // More than this many different notices waiting means something repeats that
    // the rule above did not foresee; the rest are dropped rather than queued for
    // minutes of boxes.
    static constexpr size_t kMaxWaiting = 8;

    // True while a notice waits or is shown.
    bool Busy() const { return showing_ || !waiting_.empty(); }

    // The user did something: failures that come by themselves may be told again.
    void UserActed() { toldSinceAction_.clear(); }

    // Queues the notice unless the rule keeps it back or it is merged into one waiting
    // or shown; true when it was queued.
    bool Add(const Notice &notice, NoticeOrigin origin);

    // The next notice to show, now counted as shown; empty while one is shown (a
    // second box never opens over the first) and when none waits.
    std::optional<Notice> TakeNext();
    // The shown notice's box was closed.
    void Dismissed() { showing_.reset(); }

  private:
    std::deque<Notice> waiting_;
    std::optional<Notice> showing_;
    // The texts told since the user last did something.
    std::set<std::string> toldSinceAction_;
};

}  // namespace tintwell

#endif  // TINTWELL_PICKER_REPORT_QUEUE_H
