#pragma once

#include "protocol/IChannel.h"
#include "protocol/IControlSocketListener.h"
#include "protocol/ISocketWatch.h"

#include <string>

// The control connection: a blocking IPv4 TCP stream socket to the appliance's control port.
// Owned by the main dialog (`m_pSocket`); used only on the user-interface thread.
//
// While no exchange runs the framework watches it for readability and calls OnReadable(),
// which tells the notify window that bytes wait (WM_SOCKET_RECEIVE) or that the appliance
// closed the connection (WM_SOCKET_CLOSE). It only peeks, so unasked text stays for the
// next command's drain; once bytes are known to wait it stops watching until the next read,
// so waiting bytes cause no busy loop.
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
    // Blocking connect to a dotted IPv4 address or a host name. A port outside 0..65535 is
    // refused rather than wrapped onto another port. False on any failure; the socket then
    // stays created but unconnected.
    bool Connect(const std::string& host, int port);
    // Closes the connection; the socket can be created again.
    void Close();

    WaitResult WaitReadable(int seconds) override;
    std::ptrdiff_t Read(std::span<char> buffer) override;
    bool SendLine(std::string_view line) override;

    // The descriptor the framework watches; -1 when there is none.
    int Fd() const { return m_fd; }
    bool IsConnected() const { return m_connected; }

    // Checks, without consuming anything, whether bytes wait or the appliance has closed the
    // connection, and notifies the window. Called by the framework's watch.
    void OnReadable();

private:
    bool ConnectTo(const struct sockaddr_in& address);
    bool IsConnectedToItself() const;
    void SetWatching(bool watching);

    int m_fd = -1;
    bool m_connected = false;
    bool m_watching = false;
    IControlSocketListener* m_notifyWindow = nullptr;
    ISocketWatch* m_watch = nullptr;
};
