#pragma once

#include <QObject>
#include <QThread>
#include <functional>

namespace gridtally::gui {

// A thread of a season window's own, where reading and summing happen so that the
// window never waits on a file or a large log. Jobs run there one after another in the
// order given; each returns what is then done on the window's thread, as a queued call
// (dropped when the window's side is gone).
class SeasonWorker {
public:
    // A job runs on the worker and returns what the window's thread does with its
    // result; an empty function does nothing there.
    using Job = std::function<std::function<void()>()>;

    SeasonWorker();
    // Waits for the job running (a reading stops early when its job watches a flag the
    // owner has set) and drops those not begun.
    ~SeasonWorker();
    SeasonWorker(const SeasonWorker&) = delete;
    SeasonWorker& operator=(const SeasonWorker&) = delete;

    void Run(Job job);
    // Jobs given and not yet answered on the window's thread.
    int pending() const { return pending_; }

private:
    QObject receiver_;  // on the window's thread
    QThread thread_;
    QObject* context_;  // on the worker's thread
    int pending_ = 0;
};

}  // namespace gridtally::gui
