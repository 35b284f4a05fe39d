#pragma once

#include <QWidget>
#include <vector>

class CDialog;
class CQtPeer;
class QEventLoop;

// The widget that shows one dialog's window: a framed top-level window for a modal run, a
// child widget inside a control (a tab page), or a frameless pop-up (a progress window). It
// builds one peer per control, turns the close box into WM_CLOSE, offers the system menu
// entries on a right-click and calls the dialog's OnPaint before painting. UI thread only.
class CQtDialogWindow : public QWidget {
public:
    enum class Role { Modal, Child, Popup };

    // Builds the widgets of `dialog`'s controls and attaches their peers. `parent` is the
    // host control's widget for Role::Child, the owner window (or null) otherwise.
    CQtDialogWindow(CDialog& dialog, Role role, QWidget* parent);
    // Detaches the peers if that has not happened yet.
    ~CQtDialogWindow() override;

    // The dialog while attached, null after Detach.
    CDialog* Dialog() const { return m_pDialog; }
    Role WindowRole() const { return m_role; }
    // Lets go of the dialog and of its controls (before the window or the dialog goes).
    void Detach();

    // Brings caption, size or position and visibility in step with the dialog. A call that
    // finds nothing to change is a request to activate the window (SetActiveWindow or
    // CenterWindow). `first` places a top-level window for its first showing.
    void ApplyDialogState(bool first = false);

    // The nested event loop of a modal run, quit when the dialog ends.
    void SetModalLoop(QEventLoop* loop) { m_pModalLoop = loop; }
    QEventLoop* ModalLoop() const { return m_pModalLoop; }

    // The dialog whose system menu a right-click or F1 in `dialog` offers: the dialog itself
    // or, for a page, the nearest dialog up the chain of hosts that has entries.
    static CDialog* SystemMenuOwner(CDialog& dialog);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void BuildControls();
    void PlaceOnScreen();

    CDialog* m_pDialog;
    Role m_role;
    std::vector<CQtPeer*> m_peers;
    QEventLoop* m_pModalLoop = nullptr;
    bool m_bPainting = false;
    bool m_bReady = false;
};
