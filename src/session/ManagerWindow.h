#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "protocol/CommandEngine.h"
#include "protocol/ControlSocket.h"
#include "protocol/ICommandLog.h"
#include "protocol/IControlSocketListener.h"
#include "protocol/ISocketWatch.h"
#include "protocol/LogPaneText.h"
#include "session/SearchDlg.h"
#include "ui/Dialog.h"
#include "ui/EditCtrl.h"

class IReadWatch;
class CTabPage;

// Private messages of the main window (both parameters 0).
constexpr UINT WM_SOCKET_RECEIVE = WM_USER + 1;
constexpr UINT WM_SOCKET_CLOSE = WM_USER + 3;
constexpr UINT WM_RELOGIN = 4025;
constexpr UINT WM_RECONNECT = 4026;

// The log pane of the main window.
constexpr int IDC_LOG = 1036;

// The main window as the dialogs and pages reach it, through the application's main window,
// each time they need it: the control connection with its command engine and log pane, the
// search dialog with the chosen appliance's record, and what the appliance told about itself.
// The main dialog derives from it and adds the tab strip with the pages.
class CManagerWindow : public CDialog,
                       private ICommandLog,
                       private IControlSocketListener,
                       private ISocketWatch {
public:
    // `resource` is the main dialog's, with the log pane (IDC_LOG) among its controls.
    CManagerWindow(const CDialogResource& resource, CDiscoveryTarget discoveryTarget);
    ~CManagerWindow() override;

    // Sends a command line (with its "\r\n") on the control connection and returns the reply;
    // empty means a time-out. `logText`, when given, is logged in place of the line (secrets).
    // Blocks the UI thread for the exchange: only painting goes on meanwhile.
    std::string SendCommand(std::string_view command, int timeoutSeconds,
                            std::string_view logText = {});
    // SendCommand; on a time-out (empty reply) `owner` shows `timeoutMessage` and WM_RECONNECT
    // is posted to this window, so the connection is replaced once the handler has returned.
    // Returns the reply, empty after a time-out. Blocks as SendCommand does.
    std::string SendCommandOrReconnect(CDialog& owner, std::string_view command, int timeoutSeconds,
                                       std::string_view timeoutMessage);
    // Shows `message` (a time-out, a failed reconnection) in a box of `owner`, then posts
    // WM_RECONNECT unless a reconnection is asked for already or a search is open.
    // The reconnection counts as asked for from before the box opens, so a close request made
    // meanwhile (by a tick inside the box) does not overtake it, and a time-out meanwhile
    // asks for none of its own.
    void ReportAndReconnect(CDialog& owner, std::string_view message);
    // Posts WM_CLOSE, which ends the application, unless a reconnection is asked for and has
    // not run yet: the search it opens is then the way on.
    void RequestClose();
    // Called by WM_RECONNECT's handler as it starts.
    void ReconnectStarted() { m_bReconnectAsked = false; }
    // Stops the page timers (the Connections and Neighborhoods reloads); a tab click starts
    // them again.
    virtual void StopPageTimers() {}
    // Appends raw text to the log pane, emptying it whole once it holds more than 500 lines.
    void AppendLog(std::string_view text) override;
    // Empties the log pane.
    void ClearLog();
    // "help" with time-out 2; keeps the first line of the reply in m_strHelp.
    void LoadCommandList();
    bool IsCommandSupported(std::string_view word) const;

    // The login exchange on the open control connection with m_strUserID and m_strPassword:
    // greeting, "User", "Pass". A time-out is reported here and posts WM_RECONNECT.
    bool Login();

    // Replaces the control socket with a new, unconnected one that notifies this window
    // (null when the system refuses a socket). The old connection, if any, is closed.
    CControlSocket* CreateControlSocket();
    // Closes and deletes the control socket.
    void DeleteControlSocket();
    // Called when Connect replaces an existing control connection, before the new socket.
    virtual void OnControlConnectionReplaced() {}
    // The page of the tab strip bound to dialog resource `resourceId`, or null when there is
    // none. The main window owns the page; callers ask again each time and keep no pointer.
    virtual CTabPage* FindPage(int /*resourceId*/) const { return nullptr; }
    // Replaces every page of the tab strip by a new one (another appliance was chosen). The
    // page whose handler calls this loses its window during the call; its object stays valid
    // until the handler has returned, but it is no page of the strip any more, so the handler
    // should do nothing more with it. UI thread; does not block.
    virtual void RecreatePages() {}
    // Exchanges go to `channel` instead of the control socket (a scripted appliance in
    // tests); null returns to the socket. Not owned.
    void AttachChannel(IChannel* channel) { m_pChannel = channel; }

    std::unique_ptr<CControlSocket> m_pSocket;
    CSearchDlg m_searchDlg;
    std::string m_strHelp;
    int m_nFirmwareVersion = 256;
    std::string m_strUserID;
    std::string m_strPassword;

protected:
    // WM_SOCKET_CLOSE: the appliance closed the connection; the application ends, and an open
    // search dialog with it.
    void OnSocketClosed();

private:
    // ICommandLog
    void RepaintNow() override;
    // IControlSocketListener
    void OnSocketReceive() override;
    void OnSocketClose() override;
    // ISocketWatch
    void WatchReadable(CControlSocket& socket, bool watch) override;

    IChannel* Channel() const;

    CCommandEngine m_engine;
    // The log pane and the text it shows; written only through AppendLog and ClearLog.
    CEditCtrl m_editLog;
    CLogPaneText m_log;
    IChannel* m_pChannel = nullptr;
    std::unique_ptr<IReadWatch> m_pWatch;
    bool m_bReconnectAsked = false;
};

// The application's main window; only valid while it exists.
CManagerWindow& GetManagerWindow();
