#include "sim/Socket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

namespace sim {

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
        reset();
        m_fd = other.release();
    }
    return *this;
}

int UniqueFd::release() {
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

void UniqueFd::reset() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

std::optional<std::uint32_t> parseIPv4(const std::string& text) {
    in_addr address{};
    if (inet_pton(AF_INET, text.c_str(), &address) != 1) {
        return std::nullopt;
    }
    return ntohl(address.s_addr);
}

std::string formatIPv4(std::uint32_t hostOrder) {
    in_addr address{};
    address.s_addr = htonl(hostOrder);
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &address, text, sizeof text);
    return text;
}

bool setNonBlocking(int fd) {
    const int flags = fcntl(fd, F_GETFL, 0);
    return flags >= 0 && fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

namespace {

UniqueFd openBound(int type, const std::string& address, std::uint16_t port, std::string& error) {
    const auto host = parseIPv4(address);
    if (!host) {
        error = "not an IPv4 address: " + address;
        return {};
    }
    UniqueFd fd(::socket(AF_INET, type | SOCK_CLOEXEC, 0));
    if (!fd.valid()) {
        error = std::string("socket: ") + std::strerror(errno);
        return {};
    }
    const int on = 1;
    setsockopt(fd.get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(*host);
    local.sin_port = htons(port);
    if (::bind(fd.get(), reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
        error = "bind " + address + ":" + std::to_string(port) + ": " + std::strerror(errno);
        return {};
    }
    if (!setNonBlocking(fd.get())) {
        error = std::string("fcntl: ") + std::strerror(errno);
        return {};
    }
    return fd;
}

} // namespace

UniqueFd openTcpListener(const std::string& address, std::uint16_t port, std::string& error) {
    UniqueFd fd = openBound(SOCK_STREAM, address, port, error);
    if (fd.valid() && ::listen(fd.get(), 16) != 0) {
        error = std::string("listen: ") + std::strerror(errno);
        return {};
    }
    return fd;
}

UniqueFd openUdpSocket(const std::string& address, std::uint16_t port, std::string& error) {
    return openBound(SOCK_DGRAM, address, port, error);
}

std::uint16_t boundPort(int fd) {
    sockaddr_in local{};
    socklen_t length = sizeof local;
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length) != 0) {
        return 0;
    }
    return ntohs(local.sin_port);
}

std::optional<std::uint32_t> localAddressToward(const sockaddr_in& peer) {
    // Connecting a datagram socket only chooses the route; nothing goes on the wire.
    UniqueFd probe(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    if (!probe.valid() ||
        ::connect(probe.get(), reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0) {
        return std::nullopt;
    }
    sockaddr_in local{};
    socklen_t length = sizeof local;
    if (getsockname(probe.get(), reinterpret_cast<sockaddr*>(&local), &length) != 0) {
        return std::nullopt;
    }
    return ntohl(local.sin_addr.s_addr);
}

void raiseOpenFileLimit() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }
}

} // namespace sim
