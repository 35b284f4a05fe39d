#include "discovery/UdpSocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
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

bool ToSocketAddress(const std::string& address, int port, sockaddr_in& socketAddress) {
    socketAddress = sockaddr_in{};
    socketAddress.sin_family = AF_INET;
    if (port < 0 || port > 65535 ||
        inet_pton(AF_INET, address.c_str(), &socketAddress.sin_addr) != 1)
        return false;
    socketAddress.sin_port = htons(static_cast<std::uint16_t>(port));
    return true;
}

bool CUdpSocket::SendTo(const std::string& address, int port, std::span<const std::uint8_t> bytes) {
    return SendThrough(0, {}, address, port, bytes);
}

// The interface goes with the datagram (IP_PKTINFO), so the one socket sends on each in turn
// and stays unbound: the replies to every source address come back to it.
bool CUdpSocket::SendThrough(unsigned interfaceIndex, const std::string& source,
                             const std::string& address, int port,
                             std::span<const std::uint8_t> bytes) {
    sockaddr_in destination;
    if (m_fd < 0 || !ToSocketAddress(address, port, destination))
        return false;
    iovec payload{const_cast<std::uint8_t*>(bytes.data()), bytes.size()};
    msghdr message{};
    message.msg_name = &destination;
    message.msg_namelen = sizeof destination;
    message.msg_iov = &payload;
    message.msg_iovlen = 1;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
    if (interfaceIndex != 0) {
        in_pktinfo info{};
        info.ipi_ifindex = static_cast<int>(interfaceIndex);
        if (!source.empty() && inet_pton(AF_INET, source.c_str(), &info.ipi_spec_dst) != 1)
            return false;
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        cmsghdr* header = CMSG_FIRSTHDR(&message);
        header->cmsg_level = IPPROTO_IP;
        header->cmsg_type = IP_PKTINFO;
        header->cmsg_len = CMSG_LEN(sizeof info);
        std::memcpy(CMSG_DATA(header), &info, sizeof info);
    }
    ssize_t sent;
    do {
        sent = sendmsg(m_fd, &message, 0);
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
