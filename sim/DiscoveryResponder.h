#pragma once

#include "sim/Socket.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <netinet/in.h>

namespace sim {

// The UDP side of the appliances: one socket that takes discovery requests and answers each
// one to the requester's own address only. Driven by the simulator thread.
class DiscoveryResponder {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    // Builds the reply datagrams (one per appliance that is up) for a request from `requester`.
    using ReplyBuilder = std::function<std::vector<std::vector<std::uint8_t>>(const sockaddr_in&)>;

    // Each reply goes out after a delay of its own, drawn anew for every request, from 0 to
    // `spreadMs` milliseconds; 0 sends them all at once.
    explicit DiscoveryResponder(int spreadMs = 0);

    bool open(const std::string& address, std::uint16_t port, std::string& error);
    // Closes the socket; replies not yet sent are dropped.
    void close();
    int fd() const { return m_socket.get(); }
    std::uint16_t port() const { return m_port; }

    // Reads the datagrams waiting on the socket; each exact request gets the built replies,
    // anything else is ignored.
    void serve(TimePoint now, const ReplyBuilder& build);
    // Sends the replies due by `now`.
    void sendDue(TimePoint now);
    std::optional<TimePoint> nextDue() const;

private:
    struct Reply {
        sockaddr_in requester;
        std::vector<std::uint8_t> bytes;
    };
    // Bounds the replies held back, so that a flood of requests cannot fill the memory.
    static constexpr std::size_t kMaxPending = 1 << 16;

    void send(const Reply& reply) const;

    UniqueFd m_socket;
    std::uint16_t m_port = 0;
    int m_spreadMs;
    std::minstd_rand m_random;
    std::multimap<TimePoint, Reply> m_pending;
};

} // namespace sim
