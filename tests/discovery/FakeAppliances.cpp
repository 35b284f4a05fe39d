#include "FakeAppliances.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include "discovery/DiscoveryCodec.h"

CFakeAppliances::CFakeAppliances() {
    m_fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (m_fd < 0 || bind(m_fd, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        getsockname(m_fd, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        ADD_FAILURE() << "no loopback UDP socket for the fake appliances";
    m_nPort = ntohs(address.sin_port);
}

CFakeAppliances::~CFakeAppliances() {
    if (m_fd >= 0)
        close(m_fd);
}

CDiscoveryTarget CFakeAppliances::Target() const {
    return CDiscoveryTarget{"127.0.0.1", m_nPort, {}};
}

void CFakeAppliances::Serve() {
    Bytes buffer(2048);
    for (;;) {
        sockaddr_in from{};
        socklen_t size = sizeof from;
        const ssize_t count = recvfrom(m_fd, buffer.data(), buffer.size(), MSG_DONTWAIT,
                                       reinterpret_cast<sockaddr*>(&from), &size);
        if (count < 0)
            return;
        if (!std::equal(buffer.begin(), buffer.begin() + count, kDiscoveryRequest.begin(),
                        kDiscoveryRequest.end()))
            continue;
        ++m_nRequests;
        m_requester = from;
        for (const Bytes& datagram : m_answers)
            SendToRequester(datagram);
    }
}

void CFakeAppliances::SendToRequester(const Bytes& datagram) {
    sendto(m_fd, datagram.data(), datagram.size(), 0,
           reinterpret_cast<const sockaddr*>(&m_requester), sizeof m_requester);
}
