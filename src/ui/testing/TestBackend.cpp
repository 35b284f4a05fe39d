#include "ui/testing/TestBackend.h"

#include <gtest/gtest.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "ui/Dialog.h"

struct CTestBackend::Watch {
    int fd;
    bool enabled = true;
    std::function<void()> onReadable;
};

class CTestBackend::WatchHandle : public IReadWatch {
public:
    WatchHandle(CTestBackend& backend, std::shared_ptr<Watch> watch)
        : m_backend(backend), m_watch(std::move(watch)) {}
    ~WatchHandle() override {
        auto& watches = m_backend.m_watches;
        watches.erase(std::remove(watches.begin(), watches.end(), m_watch), watches.end());
    }
    void SetEnabled(bool enabled) override { m_watch->enabled = enabled; }

private:
    CTestBackend& m_backend;
    std::shared_ptr<Watch> m_watch;
};

CTestBackend::CTestBackend() = default;
CTestBackend::~CTestBackend() = default;

void CTestBackend::OnModal(int resourceId, Script script) {
    m_scripts[resourceId] = std::move(script);
}

void CTestBackend::OnNextModal(int resourceId, Script script) {
    m_nextScripts[resourceId].push_back(std::move(script));
}

CTestBackend::Script CTestBackend::TakeScript(int resourceId) {
    auto& queued = m_nextScripts[resourceId];
    if (!queued.empty()) {
        Script script = std::move(queued.front());
        queued.pop_front();
        return script;
    }
    const auto it = m_scripts.find(resourceId);
    return it == m_scripts.end() ? Script() : it->second;
}

void CTestBackend::RunModal(CDialog& dialog) {
    const int resourceId = dialog.Resource().id;
    m_modalHistory.push_back(resourceId);
    dialog.WindowCreated();
    // The dialog's own loop: what waits is delivered before the operator gets to act.
    if (!dialog.IsEnded() && !m_bBlocked)
        RunUntil(m_now);
    if (!dialog.IsEnded()) {
        if (Script script = TakeScript(resourceId)) {
            script(dialog);
            if (!dialog.IsEnded())
                ADD_FAILURE() << "the script of modal dialog \"" << dialog.Resource().caption
                              << "\" (resource " << resourceId << ") left it open";
        } else {
            ADD_FAILURE() << "modal dialog \"" << dialog.Resource().caption << "\" (resource "
                          << resourceId << ") opened without a script";
        }
        if (!dialog.IsEnded())
            dialog.EndDialog(IDCANCEL);
    }
    dialog.WindowDestroying();
    DropTimers(dialog.GetSafeHwnd());
}

void CTestBackend::CreateModeless(CDialog& dialog, CControl*) {
    dialog.WindowCreated();
}

void CTestBackend::DestroyModeless(CDialog& dialog) {
    dialog.WindowDestroying();
    DropTimers(dialog.GetSafeHwnd());
}

void CTestBackend::WindowChanged(CDialog&) {}

int CTestBackend::MessageBox(CDialog*, std::string_view text, std::string_view caption, UINT) {
    m_messageBoxes.emplace_back(text);
    m_captions.emplace_back(caption);
    int answer = IDOK;
    if (!m_messageBoxAnswers.empty()) {
        answer = m_messageBoxAnswers.front();
        m_messageBoxAnswers.pop_front();
    }
    ++m_nOpenBoxes;
    m_nMostOpenBoxes = std::max(m_nMostOpenBoxes, m_nOpenBoxes);
    // The box's own loop: what waits is delivered before the operator gets to answer.
    if (!m_bBlocked)
        RunUntil(m_now);
    // A copy: the script may replace itself while it runs.
    if (const BoxScript script = m_boxScript)
        answer = script(text);
    --m_nOpenBoxes;
    return answer;
}

void CTestBackend::ClearMessageBoxes() {
    m_messageBoxes.clear();
    m_captions.clear();
}

UINT CTestBackend::TrackPopupMenu(CDialog&, const std::vector<CMenuItem>& items, CPoint) {
    m_popupMenus.push_back(items);
    if (m_popupAnswers.empty())
        return 0;
    const UINT answer = m_popupAnswers.front();
    m_popupAnswers.pop_front();
    return answer;
}

std::string CTestBackend::ChooseFile(CDialog*, FileChoice kind, std::string_view caption,
                                     std::string_view defaultName, std::string_view) {
    m_fileChoices.push_back({kind, std::string(caption), std::string(defaultName)});
    if (m_fileAnswers.empty())
        return {};
    std::string answer = std::move(m_fileAnswers.front());
    m_fileAnswers.pop_front();
    return answer;
}

void CTestBackend::SetTimer(CDialog& dialog, UINT id, UINT elapse) {
    KillTimer(dialog, id);
    m_timers.push_back(Timer{dialog.GetSafeHwnd(), id, elapse, m_now + elapse});
}

void CTestBackend::KillTimer(CDialog& dialog, UINT id) {
    const int hwnd = dialog.GetSafeHwnd();
    m_timers.erase(std::remove_if(m_timers.begin(), m_timers.end(),
                                  [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; }),
                   m_timers.end());
}

void CTestBackend::DropTimers(int hwnd) {
    m_timers.erase(std::remove_if(m_timers.begin(), m_timers.end(),
                                  [&](const Timer& t) { return t.hwnd == hwnd; }),
                   m_timers.end());
}

bool CTestBackend::HasTimer(const CDialog& dialog, UINT id) const {
    return TimerPeriod(dialog, id) != 0;
}

UINT CTestBackend::TimerPeriod(const CDialog& dialog, UINT id) const {
    for (const Timer& timer : m_timers)
        if (timer.hwnd == dialog.GetSafeHwnd() && timer.id == id)
            return timer.period;
    return 0;
}

void CTestBackend::PostMessage(int hwnd, const CMessage& message) {
    m_posted.emplace_back(hwnd, message);
}

void CTestBackend::Pump() {
    if (m_bBlocked)
        return;
    PollWatches();
    while (!m_posted.empty() && !m_bBlocked) {
        auto [hwnd, message] = m_posted.front();
        m_posted.pop_front();
        if (CDialog* dialog = CDialog::FromHandle(hwnd))
            dialog->Dispatch(message);
        PollWatches();
    }
}

void CTestBackend::AdvanceClock(std::uint64_t ms) {
    RunUntil(m_now + ms);
}

void CTestBackend::RunUntil(std::uint64_t target) {
    Pump();
    for (;;) {
        auto next = std::min_element(m_timers.begin(), m_timers.end(),
                                     [](const Timer& a, const Timer& b) { return a.due < b.due; });
        if (next == m_timers.end() || next->due > target)
            break;
        // A box opened by an earlier tick, or an exchange, may have moved the clock past this
        // one already: the ticks missed meanwhile come as one, as the platform's do.
        m_now = std::max(m_now, next->due);
        do
            next->due += std::max<UINT>(next->period, 1);
        while (next->due <= m_now);
        const int hwnd = next->hwnd;
        CMessage tick;
        tick.message = WM_TIMER;
        tick.wParam = next->id;
        Pump();
        if (CDialog* dialog = CDialog::FromHandle(hwnd))
            dialog->Dispatch(tick);
        Pump();
    }
    m_now = std::max(m_now, target);
    Pump();
}

void CTestBackend::WaitWithoutInput(int ms) {
    if (ms <= 0)
        return;
    if (m_dRealTimeScale > 0)
        std::this_thread::sleep_for(
            std::chrono::microseconds(static_cast<long long>(ms * 1000.0 * m_dRealTimeScale)));
    m_now += static_cast<std::uint64_t>(ms);
    RepaintNow();
}

void CTestBackend::RepaintNow() {
    ++m_nRepaints;
    if (m_onRepaint)
        m_onRepaint();
}

std::unique_ptr<IReadWatch> CTestBackend::WatchReadable(int fd, std::function<void()> onReadable) {
    auto watch = std::make_shared<Watch>(Watch{fd, true, std::move(onReadable)});
    m_watches.push_back(watch);
    return std::make_unique<WatchHandle>(*this, watch);
}

void CTestBackend::PollWatches() {
    // Callbacks may destroy watches: work on a copy and skip the ones gone meanwhile.
    const auto watches = m_watches;
    for (const auto& watch : watches) {
        if (!watch->enabled ||
            std::find(m_watches.begin(), m_watches.end(), watch) == m_watches.end())
            continue;
        pollfd descriptor{watch->fd, POLLIN, 0};
        if (::poll(&descriptor, 1, 0) > 0)
            watch->onReadable();
    }
}
