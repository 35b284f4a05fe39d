#include "discovery/DiscoveryInterfaces.h"

#include <algorithm>

namespace {

bool Chosen(const std::vector<CDiscoverySend>& sends, unsigned index) {
    return std::any_of(sends.begin(), sends.end(),
                       [index](const CDiscoverySend& send) { return send.index == index; });
}

std::string Where(const CSendResult& result) {
    const CDiscoverySend& send = result.send;
    std::string where = send.name.empty() ? send.source : send.name + " " + send.source;
    if (result.outcome == SendOutcome::SentToSubnet)
        where += " (to " + send.subnetBroadcast + ")";
    return where;
}

std::string Listed(const std::vector<CSendResult>& results, bool sent) {
    std::string list;
    for (const CSendResult& result : results) {
        if ((result.outcome != SendOutcome::Failed) != sent)
            continue;
        list += (list.empty() ? "" : ", ") + Where(result);
    }
    return list;
}

std::string SubnetBroadcast(const CInterfaceAddress& entry) {
    const bool real = entry.canBroadcast && !entry.pointToPoint && entry.prefixLength < 31 &&
                      entry.broadcastAddress != entry.address;
    return real ? entry.broadcastAddress : std::string();
}

} // namespace

std::vector<CDiscoverySend> ChooseDiscoverySends(const CNetworkView& network) {
    std::vector<CDiscoverySend> sends;
    for (const CInterfaceAddress& entry : network.addresses)
        if (entry.up && entry.canBroadcast && !entry.address.empty() && !Chosen(sends, entry.index))
            sends.push_back({entry.index, entry.name, entry.address, SubnetBroadcast(entry)});
    if (network.routedSource.empty())
        return sends;
    const auto routed = std::find_if(
        network.addresses.begin(), network.addresses.end(),
        [&](const CInterfaceAddress& entry) { return entry.address == network.routedSource; });
    // A source no interface lists (the system lists none): the routing table picks.
    if (routed == network.addresses.end())
        sends.push_back({0, "", network.routedSource, ""});
    else if (!Chosen(sends, routed->index))
        sends.push_back({routed->index, routed->name, network.routedSource, ""});
    return sends;
}

bool AnySent(const std::vector<CSendResult>& results) {
    return std::any_of(results.begin(), results.end(),
                       [](const CSendResult& r) { return r.outcome != SendOutcome::Failed; });
}

std::string NoAnswerText(const std::vector<CSendResult>& results, const std::string& destination) {
    if (destination != kLimitedBroadcast)
        return (AnySent(results) ? "No appliance answered at " : "Could not send to ") +
               destination;
    if (results.empty())
        return "This machine has no network interface to search on (none is up with an IPv4 "
               "address)";
    const std::string sent = Listed(results, true);
    const std::string failed = Listed(results, false);
    std::string text;
    if (!sent.empty())
        text = "No appliance answered on " + sent;
    if (!failed.empty())
        text += (text.empty() ? "" : "\n") + std::string("Could not send on ") + failed;
    return text;
}
