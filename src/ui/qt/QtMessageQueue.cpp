#include "ui/qt/QtMessageQueue.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>

#include "ui/Dialog.h"

namespace {

// The platform's shortest timer period.
constexpr UINT kMinimumPeriod = 10;

QEvent::Type DeliveryEvent() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

} // namespace

struct CQtMessageQueue::Watch {
    std::function<void()> onReadable;
    QSocketNotifier* notifier = nullptr;
    bool enabled = true;
    bool calling = false;
};

class CQtMessageQueue::WatchHandle final : public IReadWatch {
public:
    WatchHandle(CQtMessageQueue& queue, std::shared_ptr<Watch> watch)
        : m_queue(queue), m_watch(std::move(watch)) {}
    ~WatchHandle() override {
        auto& watches = m_queue.m_watches;
        watches.erase(std::remove(watches.begin(), watches.end(), m_watch), watches.end());
        QSocketNotifier* notifier = std::exchange(m_watch->notifier, nullptr);
        notifier->setEnabled(false);
        // The owner may drop the watch from inside its own callback.
        if (m_watch->calling)
            notifier->deleteLater();
        else
            delete notifier;
    }
    void SetEnabled(bool enabled) override {
        m_watch->enabled = enabled;
        m_queue.UpdateWatch(*m_watch);
    }

private:
    CQtMessageQueue& m_queue;
    std::shared_ptr<Watch> m_watch;
};

CQtMessageQueue::CQtMessageQueue() = default;
CQtMessageQueue::~CQtMessageQueue() = default;

void CQtMessageQueue::Post(int hwnd, const CMessage& message) {
    m_posted.emplace_back(hwnd, message);
    ScheduleDelivery();
}

void CQtMessageQueue::SetTimer(int hwnd, UINT id, UINT elapse) {
    KillTimer(hwnd, id);
    const TimerKey key{hwnd, id};
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(static_cast<int>(std::max(elapse, kMinimumPeriod)));
    connect(timer.get(), &QTimer::timeout, this, [this, key] { OnTimeout(key); });
    timer->start();
    m_timers[key] = std::move(timer);
}

void CQtMessageQueue::KillTimer(int hwnd, UINT id) {
    const TimerKey key{hwnd, id};
    m_timers.erase(key);
    m_dueTicks.erase(std::remove(m_dueTicks.begin(), m_dueTicks.end(), key), m_dueTicks.end());
}

void CQtMessageQueue::DropTimers(int hwnd) {
    for (auto it = m_timers.begin(); it != m_timers.end();)
        it = it->first.first == hwnd ? m_timers.erase(it) : std::next(it);
    m_dueTicks.erase(std::remove_if(m_dueTicks.begin(), m_dueTicks.end(),
                                    [hwnd](const TimerKey& key) { return key.first == hwnd; }),
                     m_dueTicks.end());
}

bool CQtMessageQueue::HasTimer(int hwnd, UINT id) const {
    return m_timers.count(TimerKey{hwnd, id}) != 0;
}

void CQtMessageQueue::OnTimeout(TimerKey key) {
    // One tick waits per timer, however long the queue is held.
    if (std::find(m_dueTicks.begin(), m_dueTicks.end(), key) == m_dueTicks.end())
        m_dueTicks.push_back(key);
    ScheduleDelivery();
}

void CQtMessageQueue::Hold() {
    if (m_nHolds++ == 0)
        for (const auto& watch : m_watches)
            UpdateWatch(*watch);
}

void CQtMessageQueue::Release() {
    if (m_nHolds == 0 || --m_nHolds > 0)
        return;
    for (const auto& watch : m_watches)
        UpdateWatch(*watch);
    ScheduleDelivery();
}

void CQtMessageQueue::ScheduleDelivery() {
    // Delivery always runs from the event loop, never inside the caller (a handler that posts
    // or a scope that ends in the middle of one).
    if (m_bDeliveryScheduled || (m_posted.empty() && m_dueTicks.empty()))
        return;
    m_bDeliveryScheduled = true;
    QCoreApplication::postEvent(this, new QEvent(DeliveryEvent()));
}

bool CQtMessageQueue::event(QEvent* event) {
    if (event->type() != DeliveryEvent())
        return QObject::event(event);
    // Cleared first: a handler that opens a modal loop gets later messages delivered there.
    m_bDeliveryScheduled = false;
    Deliver();
    return true;
}

void CQtMessageQueue::Deliver() {
    while (!IsHeld()) {
        if (!m_posted.empty()) {
            const auto [hwnd, message] = m_posted.front();
            m_posted.pop_front();
            if (CDialog* dialog = CDialog::FromHandle(hwnd))
                dialog->Dispatch(message);
            continue;
        }
        if (!m_dueTicks.empty()) {
            const TimerKey key = m_dueTicks.front();
            m_dueTicks.pop_front();
            CDialog* dialog = CDialog::FromHandle(key.first);
            if (dialog && HasTimer(key.first, key.second)) {
                CMessage tick;
                tick.message = WM_TIMER;
                tick.wParam = key.second;
                dialog->Dispatch(tick);
            }
            continue;
        }
        return;
    }
}

std::unique_ptr<IReadWatch> CQtMessageQueue::WatchReadable(int fd,
                                                           std::function<void()> onReadable) {
    auto watch = std::make_shared<Watch>();
    watch->onReadable = std::move(onReadable);
    watch->notifier = new QSocketNotifier(fd, QSocketNotifier::Read);
    std::weak_ptr<Watch> weak = watch;
    connect(watch->notifier, &QSocketNotifier::activated, this, [this, weak] {
        if (const auto live = weak.lock())
            OnReadable(live);
    });
    m_watches.push_back(watch);
    UpdateWatch(*watch);
    return std::make_unique<WatchHandle>(*this, watch);
}

void CQtMessageQueue::OnReadable(const std::shared_ptr<Watch>& watch) {
    if (IsHeld() || watch->calling || !watch->notifier) {
        UpdateWatch(*watch);
        return;
    }
    // Paused while its owner reacts, so a modal message box inside the callback does not see
    // the same readiness again.
    watch->calling = true;
    watch->notifier->setEnabled(false);
    watch->onReadable();
    watch->calling = false;
    UpdateWatch(*watch);
}

void CQtMessageQueue::UpdateWatch(Watch& watch) const {
    if (watch.notifier)
        watch.notifier->setEnabled(watch.enabled && !watch.calling && !IsHeld());
}
