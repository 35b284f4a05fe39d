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

// One line of the hint: a lead, then the places it names; those past `shown` (one at least)
// are counted.
struct CHintLine {
    std::string lead;
    std::vector<std::string> places;
    std::size_t shown = 0;

    std::string Text() const {
        std::string text = lead;
        for (std::size_t i = 0; i < shown; ++i)
            text += (i == 0 ? "" : ", ") + places[i];
        if (shown < places.size())
            text += " and " + std::to_string(places.size() - shown) + " more";
        return text;
    }
};

std::vector<CHintLine> HintLines(const std::vector<CSendResult>& results) {
    CHintLine sent{"No appliance answered on ", {}};
    CHintLine failed{"Could not send on ", {}};
    for (const CSendResult& result : results)
        (result.outcome == SendOutcome::Failed ? failed : sent).places.push_back(Where(result));
    std::vector<CHintLine> lines;
    for (CHintLine* line : {&sent, &failed})
        if (!line->places.empty()) {
            line->shown = line->places.size();
            lines.push_back(std::move(*line));
        }
    return lines;
}

std::string Joined(const std::vector<CHintLine>& lines) {
    std::string text;
    for (const CHintLine& line : lines)
        text += (text.empty() ? "" : "\n") + line.Text();
    return text;
}

// The lines `text` takes wrapped at its blanks to `columns` characters.
int WrappedLines(const std::string& text, int columns) {
    int lines = 1;
    int used = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of(" \n", start), text.size());
        const int word = static_cast<int>(end - start);
        if (used > 0 && used + 1 + word > columns) {
            ++lines;
            used = word;
        } else {
            used += (used > 0 ? 1 : 0) + word;
        }
        if (end < text.size() && text[end] == '\n') {
            ++lines;
            used = 0;
        }
        start = end + 1;
    }
    return lines;
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
    return Joined(HintLines(results));
}

// Each line names one place at least, then they take one more in turn while the text fits,
// so that the "could not send" line keeps its room however many were searched.
std::string NoAnswerText(const std::vector<CSendResult>& results, const std::string& destination,
                         const CTextBox& box) {
    if (destination != kLimitedBroadcast || results.empty())
        return NoAnswerText(results, destination);
    std::vector<CHintLine> lines = HintLines(results);
    for (CHintLine& line : lines)
        line.shown = 1;
    for (bool grew = true; grew;) {
        grew = false;
        for (CHintLine& line : lines) {
            if (line.shown == line.places.size())
                continue;
            ++line.shown;
            if (WrappedLines(Joined(lines), box.columns) <= box.lines)
                grew = true;
            else
                --line.shown;
        }
    }
    return Joined(lines);
}
