#include "sim/DiscoveryResponder.h"

#include "sim/DiscoveryPacket.h"

#include <algorithm>
#include <sys/socket.h>

namespace sim {

namespace {
// Bounds the work one wake-up does, so that a flood cannot starve the control connections.
constexpr int kMaxDatagramsPerServe = 64;
} // namespace

DiscoveryResponder::DiscoveryResponder(int spreadMs) : m_spreadMs(std::max(0, spreadMs)) {}

bool DiscoveryResponder::open(const std::string& address, std::uint16_t port, std::string& error) {
    m_socket = openUdpSocket(address, port, error);
    m_port = m_socket.valid() ? boundPort(m_socket.get()) : 0;
    return m_socket.valid();
}

void DiscoveryResponder::close() {
    m_socket.reset();
    m_pending.clear();
}

void DiscoveryResponder::serve(TimePoint now, const ReplyBuilder& build) {
    std::uint8_t buffer[2048];
    std::uniform_int_distribution<int> delayMs(0, m_spreadMs);
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
        for (auto& reply : build(requester)) {
            if (m_spreadMs == 0) {
                send({requester, std::move(reply)});
            } else if (m_pending.size() < kMaxPending) {
                m_pending.emplace(now + std::chrono::milliseconds(delayMs(m_random)),
                                  Reply{requester, std::move(reply)});
            }
        }
    }
}

void DiscoveryResponder::sendDue(TimePoint now) {
    while (!m_pending.empty() && m_pending.begin()->first <= now) {
        send(m_pending.begin()->second);
        m_pending.erase(m_pending.begin());
    }
}

std::optional<DiscoveryResponder::TimePoint> DiscoveryResponder::nextDue() const {
    if (m_pending.empty()) {
        return std::nullopt;
    }
    return m_pending.begin()->first;
}

void DiscoveryResponder::send(const Reply& reply) const {
    ::sendto(m_socket.get(), reply.bytes.data(), reply.bytes.size(), MSG_DONTWAIT,
             reinterpret_cast<const sockaddr*>(&reply.requester), sizeof reply.requester);
}

} // namespace sim
