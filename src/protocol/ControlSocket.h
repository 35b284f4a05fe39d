#pragma once

#include "protocol/IChannel.h"
#include "protocol/IControlSocketListener.h"
#include "protocol/ISocketWatch.h"

#include <array>
#include <functional>
#include <string>

// The control connection: a blocking IPv4 TCP stream socket to the appliance's control port.
// Owned by the main dialog (`m_pSocket`); used only on the user-interface thread.
//
// While no exchange runs the framework watches it for readability and calls OnReadable(),
// which tells the notify window that bytes wait (WM_SOCKET_RECEIVE) or that the appliance
// closed the connection (WM_SOCKET_CLOSE). It only peeks, so unasked text stays for the
// next command's drain; once bytes are known to wait, the watch moves from the socket to a
// descriptor that becomes readable only when the appliance closes, until the next read, so
// waiting bytes cause no busy loop and a close behind them is still told.
class CControlSocket final : public IChannel {
public:
    CControlSocket() = default;
    ~CControlSocket() override;
    CControlSocket(const CControlSocket&) = delete;
    CControlSocket& operator=(const CControlSocket&) = delete;

    // The window to notify; may be null. Not owned; must outlive the socket or be reset.
    void SetNotifyWindow(IControlSocketListener* window);
    // The framework's readability watch; may be null. Not owned; must outlive the socket or
    // be reset.
    void SetWatch(ISocketWatch* watch);

    // Makes the stream socket (any local port). False when the system refuses one.
    bool Create();
    // Connect to a dotted IPv4 address or a host name, waiting at most `timeoutMs` for the
    // appliance to accept (an address that drops the request would otherwise hold the window
    // for minutes); `whileWaiting` is called every few milliseconds meanwhile, to repaint. A
    // port outside 0..65535 is refused rather than wrapped onto another port. False on any
    // failure or time-out; the socket then stays created but unconnected.
    static constexpr int kConnectTimeoutMs = 10000;
    bool Connect(const std::string& host, int port, const std::function<void()>& whileWaiting = {},
                 int timeoutMs = kConnectTimeoutMs);
    // Closes the connection; the socket can be created again.
    void Close();

    // A wait longer than a poll receives what it waited for into the socket's own buffer,
    // which the reads that follow take first: a piece of a reply then costs one call into
    // the system, not a wait and a read.
    WaitResult WaitReadable(int seconds) override;
    std::ptrdiff_t Read(std::span<char> buffer) override;
    bool SendLine(std::string_view line) override;

    // The connection's descriptor; -1 when there is none.
    int Fd() const { return m_fd; }
    // The descriptor the framework watches for readability: the connection's, or while
    // bytes wait unread, one that is readable only once the appliance has closed.
    int WatchFd() const { return m_watching == Watching::CloseOnly ? m_closeFd : m_fd; }
    bool IsConnected() const { return m_connected; }

    // Checks, without consuming anything, whether bytes wait or the appliance has closed the
    // connection, and notifies the window. Called by the framework's watch.
    void OnReadable();

private:
    bool ConnectTo(const struct sockaddr_in& address, const std::function<void()>& whileWaiting,
                   int timeoutMs);
    bool IsConnectedToItself() const;
    WaitResult Poll(int milliseconds);
    WaitResult ReceiveWithin(int seconds);
    enum class Watching { No, Bytes, CloseOnly };
    void SetWatching(Watching watching);
    void SetWatching(bool watching) { SetWatching(watching ? Watching::Bytes : Watching::No); }
    bool WatchCloseOnly();

    int m_fd = -1;
    // An epoll descriptor with the connection registered for its hang-up alone; -1 until
    // bytes first wait unread.
    int m_closeFd = -1;
    bool m_connected = false;
    // Bytes a wait received that no read has taken yet: m_received[m_nReceivedAt, m_nReceivedEnd).
    std::array<char, 4096> m_received{};
    size_t m_nReceivedAt = 0;
    size_t m_nReceivedEnd = 0;
    // The receive time-out now set on the descriptor, 0 for none.
    int m_nReceiveTimeoutSeconds = 0;
    Watching m_watching = Watching::No;
    IControlSocketListener* m_notifyWindow = nullptr;
    ISocketWatch* m_watch = nullptr;
};
