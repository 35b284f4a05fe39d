#pragma once

#include "sim/Socket.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <netinet/in.h>

namespace sim {

// The UDP side of the appliances: one socket that takes discovery requests and answers each
// one to the requester's own address only. Driven by the simulator thread.
class DiscoveryResponder {
public:
    // Builds the reply datagrams (one per appliance that is up) for a request from `requester`.
    using ReplyBuilder = std::function<std::vector<std::vector<std::uint8_t>>(const sockaddr_in&)>;

    bool open(const std::string& address, std::uint16_t port, std::string& error);
    void close() { m_socket.reset(); }
    int fd() const { return m_socket.get(); }
    std::uint16_t port() const { return m_port; }

    // Reads the datagrams waiting on the socket; each exact request gets the built replies,
    // anything else is ignored.
    void serve(const ReplyBuilder& build);

private:
    UniqueFd m_socket;
    std::uint16_t m_port = 0;
};

} // namespace sim
