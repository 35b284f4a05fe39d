#include "discovery/DiscoverySearch.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <set>
#include <thread>

#include "discovery/UdpSocket.h"

namespace {

// The socket is looked at between waits this long.
constexpr int kSliceMs = 20;
// What waits in the socket when the window ends came within it and is still read, for this
// long at most, so that a stream of datagrams cannot hold the search.
constexpr std::uint64_t kReadAfterWindowMs = kSliceMs;

std::uint64_t SteadyMs() {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

void Sleep(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace

CDiscoverySearch::CDiscoverySearch(CDiscoveryTarget target, int windowMs)
    : m_target(std::move(target)), m_nWindowMs(windowMs) {
    if (!m_target.makeSocket)
        m_target.makeSocket = [] { return std::make_unique<CUdpSocket>(); };
}

bool CDiscoverySearch::Open() {
    if (!m_pSocket)
        m_pSocket = m_target.makeSocket();
    if (m_pSocket && m_pSocket->Open())
        return true;
    m_pSocket.reset();
    return false;
}

CDiscoveryResult CDiscoverySearch::Run(const CSearchHooks& hooks) {
    if (m_target.address != kLimitedBroadcast)
        return RunTo({m_target.address}, hooks);
    DropWaiting();
    m_pSocket->EnableBroadcast();
    return Gather(SendBroadcast(), hooks);
}

CDiscoveryResult CDiscoverySearch::RunTo(const std::vector<std::string>& addresses,
                                         const CSearchHooks& hooks) {
    DropWaiting();
    m_pSocket->EnableBroadcast(); // an address of the list may be a subnet's broadcast
    std::vector<CSendResult> sends;
    for (const std::string& address : addresses)
        sends.push_back(SendTo(address));
    return Gather(std::move(sends), hooks);
}

// Bounded by the window, so that a stream of foreign datagrams cannot hold the search.
void CDiscoverySearch::DropWaiting() {
    std::array<std::uint8_t, kDiscoveryReplyLimit> buffer;
    const std::uint64_t until = SteadyMs() + static_cast<std::uint64_t>(m_nWindowMs);
    while (m_pSocket->IsReadable() && SteadyMs() < until)
        if (!m_pSocket->Receive(buffer))
            return;
}

std::vector<CSendResult> CDiscoverySearch::SendBroadcast() {
    const CNetworkView network = m_target.readNetwork
                                     ? m_target.readNetwork()
                                     : ReadNetwork(m_target.address, m_target.port);
    std::vector<CSendResult> results;
    for (const CDiscoverySend& send : ChooseDiscoverySends(network))
        results.push_back(SendThrough(send));
    return results;
}

// Every appliance expects the limited broadcast; the subnet's own broadcast address is the
// way out where the system refuses that on an interface.
CSendResult CDiscoverySearch::SendThrough(const CDiscoverySend& send) {
    if (m_pSocket->SendThrough(send.index, send.source, m_target.address, m_target.port,
                               kDiscoveryRequest))
        return {send, SendOutcome::Sent, m_target.address};
    if (!send.subnetBroadcast.empty() && send.subnetBroadcast != m_target.address &&
        m_pSocket->SendThrough(send.index, send.source, send.subnetBroadcast, m_target.port,
                               kDiscoveryRequest))
        return {send, SendOutcome::SentToSubnet, send.subnetBroadcast};
    return {send, SendOutcome::Failed, m_target.address};
}

CSendResult CDiscoverySearch::SendTo(const std::string& address) {
    const bool sent = m_pSocket->SendTo(address, m_target.port, kDiscoveryRequest);
    return {{}, sent ? SendOutcome::Sent : SendOutcome::Failed, address};
}

CDiscoveryResult CDiscoverySearch::Gather(std::vector<CSendResult> sends,
                                          const CSearchHooks& hooks) {
    CDiscoveryResult result{std::move(sends), {}};
    if (!AnySent(result.sends))
        return result;
    const auto now = hooks.now ? hooks.now : SteadyMs;
    const auto wait = hooks.wait ? hooks.wait : Sleep;
    std::set<std::string> heard;
    std::array<std::uint8_t, kDiscoveryReplyLimit> buffer;
    const std::uint64_t end = now() + static_cast<std::uint64_t>(m_nWindowMs);
    for (;;) {
        const std::uint64_t at = now();
        if (!m_pSocket->IsReadable()) {
            if (at >= end)
                break;
            wait(static_cast<int>(std::min<std::uint64_t>(kSliceMs, end - at)));
            continue;
        }
        if (at >= end + kReadAfterWindowMs)
            break;
        const std::optional<std::size_t> size = m_pSocket->Receive(buffer);
        if (!size) {
            if (hooks.receiveFailed)
                hooks.receiveFailed();
        } else if (auto record = ParseDiscoveryReply(std::span(buffer).first(*size))) {
            // Without a MAC address two replies cannot be told to be one appliance's.
            if (record->macAddress.empty() || heard.insert(record->macAddress).second) {
                result.records.push_back(std::move(*record));
                if (hooks.found)
                    hooks.found(result.records.back());
            }
        }
        if (hooks.read)
            hooks.read();
    }
    return result;
}
