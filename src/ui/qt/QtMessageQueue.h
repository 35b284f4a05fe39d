#pragma once

#include <QObject>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "ui/Backend.h"

class QTimer;

// The UI thread's own dispatching under Qt: window timers, posted messages and socket watches.
// Everything it calls runs from the Qt event loop on the UI thread, and nothing runs while it
// is held (a blocking exchange, a wait): timer ticks are remembered (one per timer, as the
// platform coalesces them) and delivered with the queued messages once it is free again.
// Posted messages go before timer ticks, as timers have the lowest priority on the platform.
class CQtMessageQueue final : public QObject {
public:
    CQtMessageQueue();
    ~CQtMessageQueue() override;

    // Queues `message` for window `hwnd`; dropped at delivery when the window is gone.
    void Post(int hwnd, const CMessage& message);

    // WM_TIMER with `id` to window `hwnd` every `elapse` ms (at least 10) until killed;
    // setting an existing timer again restarts it.
    void SetTimer(int hwnd, UINT id, UINT elapse);
    void KillTimer(int hwnd, UINT id);
    // Kills the timers of a window that is going.
    void DropTimers(int hwnd);
    bool HasTimer(int hwnd, UINT id) const;

    // Holds back all dispatching until the matching Release; nests.
    void Hold();
    void Release();
    bool IsHeld() const { return m_nHolds > 0; }

    // Calls `onReadable` whenever `fd` is readable, the queue is not held and the watch is
    // enabled; never re-entered for the same watch. Stops when the returned watch is destroyed.
    std::unique_ptr<IReadWatch> WatchReadable(int fd, std::function<void()> onReadable);

protected:
    bool event(QEvent* event) override;

private:
    struct Watch;
    class WatchHandle;
    using TimerKey = std::pair<int, UINT>;

    void ScheduleDelivery();
    void Deliver();
    void OnTimeout(TimerKey key);
    void OnReadable(const std::shared_ptr<Watch>& watch);
    void UpdateWatch(Watch& watch) const;

    std::map<TimerKey, std::unique_ptr<QTimer>> m_timers;
    std::deque<TimerKey> m_dueTicks;
    std::deque<std::pair<int, CMessage>> m_posted;
    std::vector<std::shared_ptr<Watch>> m_watches;
    int m_nHolds = 0;
    bool m_bDeliveryScheduled = false;
};
