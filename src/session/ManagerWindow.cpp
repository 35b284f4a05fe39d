#include "session/ManagerWindow.h"

#include "protocol/CommandList.h"
#include "ui/Application.h"
#include "ui/Text.h"

CManagerWindow::CManagerWindow(const CDialogResource& resource, CDiscoveryTarget discoveryTarget)
    : CDialog(resource), m_searchDlg(discoveryTarget), m_engine(*this),
      m_editLog(*this, *resource.Find(IDC_LOG)) {
    BindControl(m_editLog);
    MessageMap().Message(WM_SOCKET_CLOSE, &CManagerWindow::OnSocketClosed);
}

CManagerWindow::~CManagerWindow() {
    DeleteControlSocket();
}

CManagerWindow& GetManagerWindow() {
    return dynamic_cast<CManagerWindow&>(*Application().GetMainWnd());
}

IChannel* CManagerWindow::Channel() const {
    if (m_pChannel)
        return m_pChannel;
    return m_pSocket ? m_pSocket.get() : nullptr;
}

std::string CManagerWindow::SendCommand(std::string_view command, int timeoutSeconds,
                                        std::string_view logText) {
    IChannel* channel = Channel();
    if (!channel)
        return {};
    CBlockingScope blocking;
    return m_engine.SendCommand(*channel, command, timeoutSeconds, logText);
}

std::string CManagerWindow::SendCommandOrReconnect(CDialog& owner, std::string_view command,
                                                   int timeoutSeconds,
                                                   std::string_view timeoutMessage) {
    std::string reply = SendCommand(command, timeoutSeconds);
    if (reply.empty())
        ReportAndReconnect(owner, timeoutMessage);
    return reply;
}

// One reconnection at a time: while one is asked for or a search is open, the time-out is
// only reported, since that search is the way on. A second one would search again after a
// good reconnection, and cancelling it would end the program.
void CManagerWindow::ReportAndReconnect(CDialog& owner, std::string_view message) {
    if (m_searchDlg.GetSafeHwnd() != 0) {
        owner.MessageBox(message);
        return;
    }
    const bool alreadyAsked = m_bReconnectAsked;
    m_bReconnectAsked = true;
    owner.MessageBox(message);
    if (!alreadyAsked)
        PostMessage(WM_RECONNECT);
}

void CManagerWindow::RequestClose() {
    if (!m_bReconnectAsked)
        PostMessage(WM_CLOSE);
}

void CManagerWindow::AppendLog(std::string_view text) {
    if (m_log.Append(text))
        m_editLog.SetWindowText(""); // past 500 lines the whole transcript goes, the new text too
    else
        m_editLog.AppendText(text);
}

void CManagerWindow::ClearLog() {
    m_log.Clear();
    m_editLog.SetWindowText("");
}

void CManagerWindow::LoadCommandList() {
    m_strHelp = CommandListFromHelpReply(SendCommand("help\r\n", 2));
}

bool CManagerWindow::IsCommandSupported(std::string_view word) const {
    return CommandListHas(m_strHelp, word);
}

bool CManagerWindow::Login() {
    IChannel* channel = Channel();
    if (!channel)
        return false;
    {
        CBlockingScope blocking;
        m_engine.ReadGreeting(*channel);
    }
    std::string reply1 = SendCommand("User " + m_strUserID + "\r\n", 0);
    if (reply1.empty()) {
        ReportAndReconnect(*this, "Get UserID is timeout. Check Velmora42 and Try again.");
        return false;
    }
    reply1 = Left(reply1, Length(reply1) - 2);
    // The password goes to the appliance as typed but never into the log pane.
    std::string reply2 = SendCommand("Pass " + m_strPassword + "\r\n", 0, "Pass ********\r\n");
    if (reply2.empty()) {
        ReportAndReconnect(*this, "Get Password is timeout. Check Velmora42 and Try again.");
        return false;
    }
    reply2 = Left(reply2, Length(reply2) - 2);
    return reply1 == "+OK Password required" && reply2 == "+OK User Authenticated";
}

CControlSocket* CManagerWindow::CreateControlSocket() {
    DeleteControlSocket();
    auto socket = std::make_unique<CControlSocket>();
    socket->SetNotifyWindow(this);
    socket->SetWatch(this);
    if (!socket->Create())
        return nullptr;
    m_pSocket = std::move(socket);
    return m_pSocket.get();
}

void CManagerWindow::DeleteControlSocket() {
    if (!m_pSocket)
        return;
    m_pSocket->Close();
    m_pSocket.reset();
    m_pWatch.reset();
}

void CManagerWindow::RepaintNow() {
    Application().Backend().RepaintNow();
}

void CManagerWindow::OnSocketReceive() {
    SendMessage(WM_SOCKET_RECEIVE);
}

void CManagerWindow::OnSocketClose() {
    SendMessage(WM_SOCKET_CLOSE);
}

void CManagerWindow::OnSocketClosed() {
    MessageBox("Velmora42 has been disconnected.");
    PostMessage(WM_CLOSE);
    // A search open meanwhile (a reconnection, or the Operation Mode page's Search) ends too:
    // a login there would only be thrown away as the application ends behind it.
    if (m_searchDlg.GetSafeHwnd() != 0)
        m_searchDlg.EndDialog(IDCANCEL);
}

void CManagerWindow::WatchReadable(CControlSocket& socket, bool watch) {
    if (!watch) {
        m_pWatch.reset();
        return;
    }
    if (!m_pWatch)
        m_pWatch = Application().Backend().WatchReadable(socket.WatchFd(),
                                                         [&socket] { socket.OnReadable(); });
    m_pWatch->SetEnabled(true);
}
