#include "protocol/ControlSocket.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <climits>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace {

// Waits on poll (a negative time waits without limit), going on after a signal with the
// time that is left.
int PollFor(pollfd& entry, int milliseconds) {
    using Clock = std::chrono::steady_clock;
    // A poll that does not wait needs no deadline; every command's drain makes one.
    const Clock::time_point deadline = milliseconds > 0
                                           ? Clock::now() + std::chrono::milliseconds(milliseconds)
                                           : Clock::time_point{};
    for (;;) {
        const int ready = poll(&entry, 1, milliseconds);
        if (ready >= 0 || errno != EINTR)
            return ready;
        if (milliseconds <= 0)
            continue;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        milliseconds = left.count() > 0 ? static_cast<int>(left.count()) : 0;
    }
}

} // namespace

CControlSocket::~CControlSocket() {
    Close();
}

void CControlSocket::SetNotifyWindow(IControlSocketListener* window) {
    m_notifyWindow = window;
}

void CControlSocket::SetWatch(ISocketWatch* watch) {
    const Watching watching = m_watching;
    SetWatching(Watching::No);
    m_watch = watch;
    SetWatching(watching);
}

bool CControlSocket::Create() {
    Close();
    m_fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    return m_fd >= 0;
}

bool CControlSocket::Connect(const std::string& host, int port,
                             const std::function<void()>& whileWaiting, int timeoutMs) {
    if (m_fd < 0 || m_connected || port < 0 || port > 65535)
        return false;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || found == nullptr)
        return false;
    // A host name may have several addresses: try each, on a fresh socket after a failure.
    for (const addrinfo* entry = found; entry != nullptr && !m_connected; entry = entry->ai_next) {
        sockaddr_in address = *reinterpret_cast<const sockaddr_in*>(entry->ai_addr);
        address.sin_port = htons(static_cast<uint16_t>(port));
        if (ConnectTo(address, whileWaiting, timeoutMs) && !IsConnectedToItself())
            m_connected = true;
        else if (!Create())
            break;
    }
    freeaddrinfo(found);
    SetWatching(m_connected);
    return m_connected;
}

bool CControlSocket::ConnectTo(const sockaddr_in& address,
                               const std::function<void()>& whileWaiting, int timeoutMs) {
    // The connect runs in the background while this waits in short slices, so the window
    // repaints and the wait ends at the bound; the socket is blocking again afterwards.
    const int flags = fcntl(m_fd, F_GETFL);
    if (flags < 0 || fcntl(m_fd, F_SETFL, flags | O_NONBLOCK) < 0)
        return false;
    bool connected =
        connect(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (!connected && (errno == EINPROGRESS || errno == EINTR)) {
        using Clock = std::chrono::steady_clock;
        const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        constexpr int kSliceMs = 20;
        for (;;) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now())
                    .count();
            if (left <= 0)
                break;
            pollfd entry{m_fd, POLLOUT, 0};
            const int ready = PollFor(entry, static_cast<int>(std::min<long long>(left, kSliceMs)));
            if (ready < 0)
                break;
            if (ready > 0) {
                int error = 0;
                socklen_t size = sizeof error;
                connected =
                    getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
                break;
            }
            if (whileWaiting)
                whileWaiting();
        }
    }
    return fcntl(m_fd, F_SETFL, flags) == 0 && connected;
}

// With nobody listening on a local port in the ephemeral range, the system may pick that very
// port for the connecting socket and connect it to itself: that is no appliance.
bool CControlSocket::IsConnectedToItself() const {
    sockaddr_in local{}, peer{};
    socklen_t localSize = sizeof local, peerSize = sizeof peer;
    if (getsockname(m_fd, reinterpret_cast<sockaddr*>(&local), &localSize) != 0 ||
        getpeername(m_fd, reinterpret_cast<sockaddr*>(&peer), &peerSize) != 0)
        return false;
    return local.sin_port == peer.sin_port && local.sin_addr.s_addr == peer.sin_addr.s_addr;
}

void CControlSocket::Close() {
    SetWatching(false);
    if (m_closeFd >= 0)
        close(m_closeFd);
    m_closeFd = -1;
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
    m_connected = false;
    m_nReceivedAt = m_nReceivedEnd = 0;
    m_nReceiveTimeoutSeconds = 0;
}

WaitResult CControlSocket::WaitReadable(int seconds) {
    if (m_fd < 0)
        return WaitResult::Error;
    if (m_nReceivedAt < m_nReceivedEnd)
        return WaitResult::Readable;
    if (seconds <= 0)
        return Poll(0);
    return ReceiveWithin(seconds);
}

WaitResult CControlSocket::Poll(int milliseconds) {
    pollfd entry{m_fd, POLLIN, 0};
    const int ready = PollFor(entry, milliseconds);
    if (ready < 0 || (entry.revents & (POLLERR | POLLNVAL)) != 0)
        return WaitResult::Error;
    return ready == 0 ? WaitResult::TimedOut : WaitResult::Readable;
}

WaitResult CControlSocket::ReceiveWithin(int seconds) {
    using Clock = std::chrono::steady_clock;
    const int limit = seconds > INT_MAX / 1000 ? INT_MAX : seconds * 1000;
    if (seconds != m_nReceiveTimeoutSeconds) {
        const timeval timeout{seconds, 0};
        if (setsockopt(m_fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout) != 0)
            return Poll(limit);
        m_nReceiveTimeoutSeconds = seconds;
    }
    const Clock::time_point start = Clock::now();
    const ssize_t count = recv(m_fd, m_received.data(), m_received.size(), 0);
    if (count > 0) {
        m_nReceivedAt = 0;
        m_nReceivedEnd = static_cast<size_t>(count);
        return WaitResult::Readable;
    }
    if (count == 0)
        return WaitResult::Readable; // the end of the stream, which the read meets again
    if (errno == EAGAIN || errno == EWOULDBLOCK)
        return WaitResult::TimedOut;
    if (errno != EINTR)
        return WaitResult::Error;
    // A signal cut the wait short: the rest of it on poll.
    const auto waited =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    return Poll(static_cast<int>(std::max<long long>(limit - waited, 0)));
}

std::ptrdiff_t CControlSocket::Read(std::span<char> buffer) {
    if (m_fd < 0)
        return -1;
    ssize_t count;
    if (m_nReceivedAt < m_nReceivedEnd) {
        count = static_cast<ssize_t>(std::min(buffer.size(), m_nReceivedEnd - m_nReceivedAt));
        std::copy_n(m_received.begin() + static_cast<std::ptrdiff_t>(m_nReceivedAt), count,
                    buffer.begin());
        m_nReceivedAt += static_cast<size_t>(count);
    } else {
        // The receive time-out of the waits does not end a read, which blocks until bytes come.
        do {
            count = recv(m_fd, buffer.data(), buffer.size(), 0);
        } while (count < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK));
    }
    // What was known to wait has been taken (or the end reached): watch again.
    SetWatching(m_connected);
    return count;
}

bool CControlSocket::SendLine(std::string_view line) {
    if (m_fd < 0)
        return false;
    ssize_t sent;
    do {
        sent = send(m_fd, line.data(), line.size(), MSG_NOSIGNAL);
    } while (sent < 0 && errno == EINTR);
    return sent == static_cast<ssize_t>(line.size());
}

void CControlSocket::OnReadable() {
    if (m_watching == Watching::No || m_fd < 0)
        return;
    pollfd entry{m_fd, POLLIN | POLLRDHUP, 0};
    if (PollFor(entry, 0) <= 0)
        return;
    char first;
    const ssize_t peeked = recv(m_fd, &first, 1, MSG_PEEK | MSG_DONTWAIT);
    if (peeked < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
        return;
    const bool peerGone = peeked <= 0 || (entry.revents & (POLLRDHUP | POLLHUP | POLLERR)) != 0;
    IControlSocketListener* const window = m_notifyWindow;
    if (peerGone) {
        // Stop watching before notifying: the window may pump messages (a message box).
        SetWatching(false);
        m_connected = false;
        if (window != nullptr)
            window->OnSocketClose();
        return;
    }
    // The bytes stay for the next read; meanwhile only a close is worth a call. Where the
    // system gives no descriptor for that, watching stops until the next read.
    if (!WatchCloseOnly())
        SetWatching(false);
    if (window != nullptr)
        window->OnSocketReceive();
}

bool CControlSocket::WatchCloseOnly() {
    if (m_closeFd < 0) {
        const int closeFd = epoll_create1(EPOLL_CLOEXEC);
        epoll_event event{};
        event.events = EPOLLRDHUP; // hang-ups and errors are always reported
        if (closeFd < 0 || epoll_ctl(closeFd, EPOLL_CTL_ADD, m_fd, &event) != 0) {
            if (closeFd >= 0)
                close(closeFd);
            return false;
        }
        m_closeFd = closeFd;
    }
    SetWatching(Watching::CloseOnly);
    return true;
}

void CControlSocket::SetWatching(Watching watching) {
    if (m_watching == watching)
        return;
    const bool moves = m_watching != Watching::No && watching != Watching::No;
    if (moves && m_watch != nullptr)
        m_watch->WatchReadable(*this, false); // the watch follows WatchFd()
    m_watching = watching;
    if (m_watch != nullptr)
        m_watch->WatchReadable(*this, watching != Watching::No);
}
