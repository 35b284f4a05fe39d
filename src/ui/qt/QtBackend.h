#pragma once

#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/Backend.h"
#include "ui/qt/QtInputRouter.h"
#include "ui/qt/QtMessageQueue.h"

class CQtDialogWindow;
class QWidget;

// The dialog framework rendered with Qt Widgets: real windows for modal runs (a nested event
// loop until the dialog ends), child widgets for pages inside a control, frameless pop-ups for
// modeless windows without a host; standard message boxes and menus; timers, posted messages
// and socket watches on the Qt event loop, all held back while the UI is blocked.
//
// Use on the UI thread only, after the QApplication is made and before it goes:
//     QApplication qt(argc, argv);
//     CQtBackend backend;
//     CApplication app(backend);
//     CManagerDlg dialog; dialog.DoModal();
// Read watches must be destroyed before the backend.
class CQtBackend final : public IUiBackend {
public:
    CQtBackend();
    ~CQtBackend() override;
    CQtBackend(const CQtBackend&) = delete;
    CQtBackend& operator=(const CQtBackend&) = delete;

    // The widget showing `dialog`'s window, or null; for screenshots and automation.
    QWidget* WindowOf(const CDialog& dialog) const;
    // The widget showing `control`, or null when it is not rendered.
    static QWidget* WidgetOf(const CControl& control);
    // Called with each modal dialog once its window is shown and the events that showing it
    // caused are handled (for screenshots and automation; may end the dialog).
    void OnModalShown(std::function<void(CDialog&)> hook) { m_modalShown = std::move(hook); }
    const std::function<void(CDialog&)>& ModalShownHook() const { return m_modalShown; }
    // Whether timer `id` of `dialog` runs.
    bool HasTimer(const CDialog& dialog, UINT id) const;

    // IUiBackend
    void RunModal(CDialog& dialog) override;
    void CreateModeless(CDialog& dialog, CControl* host) override;
    void DestroyModeless(CDialog& dialog) override;
    void WindowChanged(CDialog& dialog) override;
    int MessageBox(CDialog* owner, std::string_view text, std::string_view caption,
                   UINT type) override;
    UINT TrackPopupMenu(CDialog& owner, const std::vector<CMenuItem>& items, CPoint point) override;
    std::string ChooseFile(CDialog* owner, FileChoice kind, std::string_view caption,
                           std::string_view defaultName, std::string_view filter) override;
    void SetTimer(CDialog& dialog, UINT id, UINT elapse) override;
    void KillTimer(CDialog& dialog, UINT id) override;
    void PostMessage(int hwnd, const CMessage& message) override;
    std::uint64_t GetTickCount() override;
    void WaitWithoutInput(int ms) override;
    void RepaintNow() override;
    void BlockingChanged(bool blocked) override;
    std::unique_ptr<IReadWatch> WatchReadable(int fd, std::function<void()> onReadable) override;
    void Beep() override;
    std::string GetClipboardText() override;
    void SetClipboardText(std::string_view text) override;
    CSize DialogBaseUnits(const CDialogResource& resource) override;

private:
    CQtDialogWindow* Window(int hwnd) const;
    // The window new top-level windows and message boxes belong to: the innermost visible
    // modal window, or none.
    QWidget* TopModalWindow() const;

    CQtMessageQueue m_queue;
    CQtInputRouter m_router;
    std::map<int, QPointer<CQtDialogWindow>> m_windows;
    std::vector<QPointer<CQtDialogWindow>> m_modalStack;
    std::map<std::pair<std::string, int>, CSize> m_baseUnits;
    std::function<void(CDialog&)> m_modalShown;
};
