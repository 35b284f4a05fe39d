#include "FakeAppliances.h"
#include "protocol/testing/Loopback.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include "discovery/DiscoveryCodec.h"

CFakeAppliances::CFakeAppliances() {
    m_fd = BindLoopback(SOCK_DGRAM, m_nPort);
    if (m_fd < 0)
        ADD_FAILURE() << "no loopback UDP socket";
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
