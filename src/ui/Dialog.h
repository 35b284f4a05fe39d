#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/Backend.h"
#include "ui/Control.h"
#include "ui/DialogResource.h"
#include "ui/MessageMap.h"

class CDataExchange;
class CDialog;

// A modal window open for the scope's lifetime, innermost last: a modal dialog, or with no
// dialog a message box or file chooser. The windows behind it are blocked meanwhile.
class CModalWindowScope {
public:
    explicit CModalWindowScope(const CDialog* dialog = nullptr);
    ~CModalWindowScope();
    CModalWindowScope(const CModalWindowScope&) = delete;
    CModalWindowScope& operator=(const CModalWindowScope&) = delete;
};

// A dialog or tab page bound to its resource: controls by id, a message map, data exchange,
// modal and modeless runs, timers, posted messages and message boxes. The controls exist from
// construction and are reset to their templates whenever the window is created. Everything
// runs on the UI thread.
class CDialog {
public:
    explicit CDialog(const CDialogResource& resource);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    const CDialogResource& Resource() const { return m_resource; }

    // Modal run: creates the window, runs OnInitDialog and dispatches until EndDialog; returns
    // the value given to EndDialog (IDOK, IDCANCEL, ...). Blocks the caller.
    virtual int DoModal();
    void EndDialog(int result);
    bool IsEnded() const { return m_bEnded; }
    bool IsModal() const { return m_bModal; }

    // Modeless run: creates the window as a child of `host` (or a pop-up without one) and
    // runs OnInitDialog before returning. DestroyWindow takes it away again.
    bool Create(CControl* host = nullptr);
    void DestroyWindow();

    // The window's handle while it exists, 0 otherwise.
    int GetSafeHwnd() const { return m_hWnd; }
    // The live dialog with handle `hwnd`, or null.
    static CDialog* FromHandle(int hwnd);

    // Caption, geometry (pixels, relative to the parent) and visibility of the window.
    std::string GetWindowText() const { return m_strCaption; }
    void SetWindowText(std::string_view caption);
    CRect GetWindowRect() const { return m_rectWindow; }
    void MoveWindow(const CRect& rect);
    void ShowWindow(bool show);
    bool IsWindowVisible() const { return m_bVisible; }
    void SetActiveWindow();
    void CenterWindow();
    // Converts a rectangle in dialog units to pixels with the backend's font metrics.
    CRect MapDialogRect(const CRect& dialogUnits) const;

    // Controls by id; null when the resource has no such control.
    CControl* GetDlgItem(int id) const;
    // The control `id` as its concrete class; the id must exist with that class.
    template <class T> T& Item(int id) const {
        T* control = dynamic_cast<T*>(GetDlgItem(id));
        if (!control)
            AbortNoSuchControl(id);
        return *control;
    }
    std::string GetDlgItemText(int id) const;
    void SetDlgItemText(int id, std::string_view text);
    // Checks radio button `id` and unchecks the others of its group.
    void CheckRadioButtonInGroup(int id);
    // Ids of the radio group that starts at `firstId`, in table order.
    std::vector<int> RadioGroup(int firstId) const;

    // Data exchange between members and controls: false = show members in the controls,
    // true = read the controls into the members (false is returned when a value is refused).
    bool UpdateData(bool saveAndValidate = true);

    // Messages: posted ones are queued and dispatched later; sent ones run at once.
    void PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void PostNotification(const CNotification& notification);
    void SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void SendNotification(const CNotification& notification);
    // Runs the message-map entry for `message`, or the default handling.
    void Dispatch(const CMessage& message);

    // WM_TIMER with `id` every `elapse` ms until killed. A tick is dropped while the dialog
    // IsBusy or IsBehindModalWindow, so one that falls due inside a nested loop (any message
    // box, a modal dialog over its window) runs no reload under it; the next tick goes on as
    // usual.
    void SetTimer(UINT id, UINT elapse);
    void KillTimer(UINT id);
    // Whether a handler of this dialog is on the stack or a message box it owns is open.
    bool IsBusy() const { return m_nBusy > 0; }
    // Whether a modal window other than the one this dialog lives in (a message box, a file
    // chooser, another modal dialog) is open over it: it then takes no input and no tick.
    bool IsBehindModalWindow() const;

    // A message box owned by this dialog, captioned with the application name.
    int MessageBox(std::string_view text, UINT type = MB_OK);
    // A popup menu at `clientPoint` of this dialog; returns the chosen id, 0 for none.
    UINT TrackPopupMenu(const std::vector<CMenuItem>& items, CPoint clientPoint);

    // Entries appended to the window's system menu.
    void AppendSystemMenuItem(UINT id, std::string_view text);
    const std::vector<CMenuItem>& SystemMenu() const { return m_systemMenu; }

    // Overridables.
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange& dx);
    virtual void OnOK();
    virtual void OnCancel();
    virtual void OnClose();
    virtual void OnDestroy() {}
    // Called before the window paints.
    virtual void OnPaint() {}
    // The Enter key in the dialog: by default the command of the default button (IDOK).
    virtual void OnEnterKey();
    // The Escape key: IDCANCEL.
    virtual void OnEscapeKey();

    // For backends: the window's peers are attached / about to go; focus moved.
    void WindowCreated();
    void WindowDestroying();
    void MoveFocusTo(CControl* control);
    CControl* GetFocus() const { return m_pFocus; }
    const std::vector<CControl*>& Controls() const { return m_controls; }
    CControl* Host() const { return m_pHost; }

protected:
    CMessageMapBuilder MessageMap() { return CMessageMapBuilder(*this, m_messageMap); }
    // A control member of the dialog class (a custom control) takes the place of the one the
    // resource made for its id.
    void BindControl(CControl& control);

private:
    [[noreturn]] void AbortNoSuchControl(int id) const;
    void BeginWindow(CControl* host);
    void EndWindow();

    const CDialogResource& m_resource;
    std::vector<std::unique_ptr<CControl>> m_ownedControls;
    std::vector<CControl*> m_controls; // in table order
    std::vector<CMessageMapEntry> m_messageMap;
    std::vector<CMenuItem> m_systemMenu;
    std::string m_strCaption;
    CRect m_rectWindow;
    CControl* m_pHost = nullptr;
    // The modal window this one takes input with: itself when modal, for a pop-up the one
    // open when it was made (null: none).
    const CDialog* m_pModalLevel = nullptr;
    CControl* m_pFocus = nullptr;
    int m_hWnd = 0;
    int m_nResult = IDCANCEL;
    bool m_bModal = false;
    bool m_bEnded = false;
    bool m_bVisible = false;
    int m_nBusy = 0; // handlers of this dialog on the stack, message boxes it owns open
};
