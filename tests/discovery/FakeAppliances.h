#pragma once

#include "ReplyBuilder.h"
#include "discovery/DiscoverySearch.h"

#include <netinet/in.h>

// Appliances that answer discovery on a loopback UDP port with whatever datagrams the test
// gives, in that order. Single-threaded: Serve() answers the requests waiting, so tests call
// it from the backend's repaint hook, which the discovery window runs while it waits.
class CFakeAppliances {
public:
    CFakeAppliances();
    ~CFakeAppliances();
    CFakeAppliances(const CFakeAppliances&) = delete;
    CFakeAppliances& operator=(const CFakeAppliances&) = delete;

    // The loopback destination a search should use.
    CDiscoveryTarget Target() const;
    // The datagrams sent back for every request from now on.
    void Answer(std::vector<Bytes> datagrams) { m_answers = std::move(datagrams); }
    // Answers each exact request waiting; other datagrams are read and dropped.
    void Serve();
    // Sends one datagram to the socket the last request came from.
    void SendToRequester(const Bytes& datagram);
    int Requests() const { return m_nRequests; }

private:
    int m_fd = -1;
    int m_nPort = 0;
    int m_nRequests = 0;
    sockaddr_in m_requester{};
    std::vector<Bytes> m_answers;
};
