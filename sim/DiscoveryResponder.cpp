#include "sim/DiscoveryResponder.h"

#include "sim/DiscoveryPacket.h"

#include <sys/socket.h>

namespace sim {

namespace {
// Bounds the work one wake-up does, so that a flood cannot starve the control connections.
constexpr int kMaxDatagramsPerServe = 64;
} // namespace

bool DiscoveryResponder::open(const std::string& address, std::uint16_t port, std::string& error) {
    m_socket = openUdpSocket(address, port, error);
    m_port = m_socket.valid() ? boundPort(m_socket.get()) : 0;
    return m_socket.valid();
}

void DiscoveryResponder::serve(const ReplyBuilder& build) {
    std::uint8_t buffer[2048];
    for (int i = 0; i < kMaxDatagramsPerServe && m_socket.valid(); ++i) {
        sockaddr_in requester{};
        socklen_t length = sizeof requester;
        const ssize_t size = ::recvfrom(m_socket.get(), buffer, sizeof buffer, MSG_DONTWAIT,
                                        reinterpret_cast<sockaddr*>(&requester), &length);
        if (size < 0) {
            return;
        }
        if (requester.sin_family != AF_INET ||
            !isDiscoveryRequest(buffer, static_cast<std::size_t>(size))) {
            continue;
        }
        for (const auto& reply : build(requester)) {
            ::sendto(m_socket.get(), reply.data(), reply.size(), MSG_DONTWAIT,
                     reinterpret_cast<const sockaddr*>(&requester), sizeof requester);
        }
    }
}

} // namespace sim
