#include "session/UdpSocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

CUdpSocket::~CUdpSocket() {
    if (m_fd >= 0)
        close(m_fd);
}

bool CUdpSocket::Open() {
    if (m_fd < 0) {
        m_fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        // Reading fast is what keeps the socket from overflowing; the buffer only eases bursts.
        if (m_fd >= 0)
            setsockopt(m_fd, SOL_SOCKET, SO_RCVBUF, &m_nReceiveBufferWanted,
                       sizeof m_nReceiveBufferWanted);
    }
    return m_fd >= 0;
}

// The system reports twice the size asked, the other half being its own bookkeeping.
int CUdpSocket::ReceiveBufferBytes() const {
    int granted = 0;
    socklen_t length = sizeof granted;
    if (m_fd < 0 || getsockopt(m_fd, SOL_SOCKET, SO_RCVBUF, &granted, &length) != 0)
        return 0;
    return granted / 2;
}

bool CUdpSocket::EnableBroadcast() {
    const int on = 1;
    return m_fd >= 0 && setsockopt(m_fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on) == 0;
}

bool CUdpSocket::SendTo(const std::string& address, int port, std::span<const std::uint8_t> bytes) {
    sockaddr_in destination{};
    destination.sin_family = AF_INET;
    if (m_fd < 0 || port < 0 || port > 65535 ||
        inet_pton(AF_INET, address.c_str(), &destination.sin_addr) != 1)
        return false;
    destination.sin_port = htons(static_cast<std::uint16_t>(port));
    ssize_t sent;
    do {
        sent = sendto(m_fd, bytes.data(), bytes.size(), 0,
                      reinterpret_cast<const sockaddr*>(&destination), sizeof destination);
    } while (sent < 0 && errno == EINTR);
    return sent == static_cast<ssize_t>(bytes.size());
}

bool CUdpSocket::IsReadable() {
    if (m_fd < 0)
        return false;
    pollfd entry{m_fd, POLLIN, 0};
    return poll(&entry, 1, 0) > 0 && (entry.revents & POLLIN) != 0;
}

// Without blocking: a datagram that poll announced may have been dropped since (a bad
// checksum), and the UI thread must not hang on it.
std::optional<std::size_t> CUdpSocket::Receive(std::span<std::uint8_t> buffer) {
    if (m_fd < 0)
        return std::nullopt;
    ssize_t count;
    do {
        count = recvfrom(m_fd, buffer.data(), buffer.size(), MSG_DONTWAIT, nullptr, nullptr);
    } while (count < 0 && errno == EINTR);
    if (count >= 0)
        return static_cast<std::size_t>(count);
    if (errno == EAGAIN || errno == EWOULDBLOCK)
        return 0;
    return std::nullopt;
}
