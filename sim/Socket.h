#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <netinet/in.h>

namespace sim {

// Owns one file descriptor and closes it when it goes.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : m_fd(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : m_fd(other.release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() { reset(); }

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    int release();
    void reset();

private:
    int m_fd = -1;
};

// Dotted IPv4 text <-> address in host byte order.
std::optional<std::uint32_t> parseIPv4(const std::string& text);
std::string formatIPv4(std::uint32_t hostOrder);

// A non-blocking TCP listener on address:port (port 0 = any), SO_REUSEADDR set. Returns an
// invalid fd and fills `error` when it cannot be made.
UniqueFd openTcpListener(const std::string& address, std::uint16_t port, std::string& error);
// A non-blocking UDP socket bound to address:port, SO_REUSEADDR set.
UniqueFd openUdpSocket(const std::string& address, std::uint16_t port, std::string& error);
// The local port a socket is bound to (0 when unknown).
std::uint16_t boundPort(int fd);
// The local address the system would use to reach `peer` (host order); no packet is sent.
std::optional<std::uint32_t> localAddressToward(const sockaddr_in& peer);
bool setNonBlocking(int fd);
// Raises this process's limit of open descriptors to the hard limit, so that a thousand
// appliances with their connections fit.
void raiseOpenFileLimit();

} // namespace sim
