#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/Backend.h"

// The scripted headless backend the tests drive. Modal dialogs are answered by scripts the
// test registers by resource id; modal dialogs and message boxes run a nested loop as on the
// platform: posted messages and the ticks due are delivered inside them before their script
// acts or they are answered (IDOK unless told otherwise); timers run on a virtual clock that
// only AdvanceClock, PassBlockedTime and the waits without input move; posted messages wait
// until Pump. An unscripted modal dialog fails the test, naming the dialog.
class CTestBackend : public IUiBackend {
public:
    using Script = std::function<void(CDialog&)>;

    CTestBackend();
    ~CTestBackend() override;

    // Every modal run of resource `resourceId` runs `script` (after OnInitDialog) until a
    // later call replaces it. The script must end the dialog (click a button, EndDialog).
    void OnModal(int resourceId, Script script);
    // The next modal run of `resourceId` only; queued scripts go before the lasting one.
    void OnNextModal(int resourceId, Script script);
    // Resource ids of the modal dialogs run so far, in order.
    const std::vector<int>& ModalHistory() const { return m_modalHistory; }

    // Texts of the message boxes shown so far, in order.
    const std::vector<std::string>& MessageBoxes() const { return m_messageBoxes; }
    const std::vector<std::string>& MessageBoxCaptions() const { return m_captions; }
    void ClearMessageBoxes();
    // The next message box returns `result` instead of IDOK.
    void AnswerNextMessageBox(int result) { m_messageBoxAnswers.push_back(result); }
    // What the operator does while a box with `text` is open, until replaced: it runs inside
    // the box, after what was due when the box opened, and may move the clock (the ticks then
    // due fire inside the box, which may open more boxes); it returns the button pressed.
    using BoxScript = std::function<int(std::string_view text)>;
    void OnMessageBox(BoxScript script) { m_boxScript = std::move(script); }
    // Message boxes open now, and the most that were ever open at once.
    int OpenMessageBoxes() const { return m_nOpenBoxes; }
    int MostOpenMessageBoxes() const { return m_nMostOpenBoxes; }

    // The next file dialog returns `path` (empty: cancelled, also when nothing is queued).
    void AnswerNextFileChoice(std::string path) { m_fileAnswers.push_back(std::move(path)); }
    struct FileChoiceRecord {
        FileChoice kind;
        std::string caption;
        std::string defaultName;
    };
    // The file dialogs shown so far, in order.
    const std::vector<FileChoiceRecord>& FileChoices() const { return m_fileChoices; }

    // The next popup menu returns `id` (0 = dismissed, the default).
    void AnswerNextPopupMenu(UINT id) { m_popupAnswers.push_back(id); }
    const std::vector<std::vector<CMenuItem>>& PopupMenus() const { return m_popupMenus; }

    // Moves the virtual clock by `ms`, firing due timers in time order with posted messages
    // pumped before each tick, as the platform gives timers the lowest priority.
    void AdvanceClock(std::uint64_t ms);
    // Moves the virtual clock by `ms` that the UI thread spent blocked (an exchange waiting
    // for its reply); the ticks that fell due meanwhile fire at the next dispatch, once each.
    void PassBlockedTime(std::uint64_t ms) { m_now += ms; }
    // Dispatches posted messages (and readable socket watches) until none is left.
    void Pump();
    // Whether `dialog` has timer `id` running, and its period.
    bool HasTimer(const CDialog& dialog, UINT id) const;
    UINT TimerPeriod(const CDialog& dialog, UINT id) const;
    size_t PendingMessages() const { return m_posted.size(); }

    // Waits without input also sleep this fraction of their length in real time (0 = none),
    // for tests whose peer (the simulator) counts real time.
    void SetRealTimeScale(double scale) { m_dRealTimeScale = scale; }
    // Called on every RepaintNow; the tests look at the windows there.
    void OnRepaint(std::function<void()> hook) { m_onRepaint = std::move(hook); }
    int RepaintCount() const { return m_nRepaints; }
    int BeepCount() const { return m_nBeeps; }
    bool IsBlocked() const { return m_bBlocked; }

    // IUiBackend
    void RunModal(CDialog& dialog) override;
    void CreateModeless(CDialog& dialog, CControl* host) override;
    void DestroyModeless(CDialog& dialog) override;
    void WindowChanged(CDialog& dialog) override;
    int MessageBox(CDialog* owner, std::string_view text, std::string_view caption,
                   UINT type) override;
    UINT TrackPopupMenu(CDialog& owner, const std::vector<CMenuItem>& items,
                        CPoint screen) override;
    std::string ChooseFile(CDialog* owner, FileChoice kind, std::string_view caption,
                           std::string_view defaultName, std::string_view filter) override;
    void SetTimer(CDialog& dialog, UINT id, UINT elapse) override;
    void KillTimer(CDialog& dialog, UINT id) override;
    void PostMessage(int hwnd, const CMessage& message) override;
    std::uint64_t GetTickCount() override { return m_now; }
    void WaitWithoutInput(int ms) override;
    void RepaintNow() override;
    void BlockingChanged(bool blocked) override { m_bBlocked = blocked; }
    std::unique_ptr<IReadWatch> WatchReadable(int fd, std::function<void()> onReadable) override;
    void Beep() override { ++m_nBeeps; }
    std::string GetClipboardText() override { return m_strClipboard; }
    void SetClipboardText(std::string_view text) override { m_strClipboard = text; }
    CSize DialogBaseUnits(const CDialogResource&) override { return CSize{6, 12}; }

private:
    struct Timer {
        int hwnd;
        UINT id;
        UINT period;
        std::uint64_t due;
    };
    struct Watch;
    class WatchHandle;

    Script TakeScript(int resourceId);
    void PollWatches();
    void DropTimers(int hwnd);
    // Fires the timers due up to `target` in time order, posted messages first; the clock
    // ends at `target`.
    void RunUntil(std::uint64_t target);

    std::map<int, Script> m_scripts;
    std::map<int, std::deque<Script>> m_nextScripts;
    std::vector<int> m_modalHistory;
    std::vector<std::string> m_messageBoxes;
    std::vector<std::string> m_captions;
    std::deque<int> m_messageBoxAnswers;
    BoxScript m_boxScript;
    int m_nOpenBoxes = 0;
    int m_nMostOpenBoxes = 0;
    std::deque<UINT> m_popupAnswers;
    std::deque<std::string> m_fileAnswers;
    std::vector<FileChoiceRecord> m_fileChoices;
    std::vector<std::vector<CMenuItem>> m_popupMenus;
    std::vector<Timer> m_timers;
    std::deque<std::pair<int, CMessage>> m_posted;
    std::vector<std::shared_ptr<Watch>> m_watches;
    std::function<void()> m_onRepaint;
    std::string m_strClipboard;
    std::uint64_t m_now = 0;
    double m_dRealTimeScale = 0;
    int m_nRepaints = 0;
    int m_nBeeps = 0;
    bool m_bBlocked = false;
};
