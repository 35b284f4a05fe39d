#pragma once

#include <optional>
#include <string>
#include <string_view>

// What the Bluetooth page takes from the replies to its setting queries, each reply without
// its line end and already known to begin "+OK"; pure, so that Save reads the radio
// settings the way the page does. The replies are untrusted; any text gives a result.

// "BTName" ("+OK name"): the name.
std::string NameFromReply(std::string_view reply);
// "Maxdt" ("+OK MAX 7"): the value.
std::string MaxDtFromReply(std::string_view reply);
// "Linkto" ("+OK LinkTimeout: 25 sec"): the value between the 17-character lead and the
// 4-character tail.
std::string LinkTimeoutFromReply(std::string_view reply);

// "Scan": the discoverable (inquiry scan) and connectable (page scan) flags after the reply,
// starting from `flags`: a lone flag sets its own and leaves the other as it was, "noscan"
// clears both; nothing for a reply that is none of the four the appliance gives.
struct CScanFlags {
    bool discoverable = false;
    bool connectable = false;
};
std::optional<CScanFlags> ScanFromReply(std::string_view reply, CScanFlags flags);
// "Secu": "low" or "high"; nothing for any other word.
std::optional<std::string> SecurityFromReply(std::string_view reply);
// "Pair": on or off; nothing for any other word.
std::optional<bool> PairableFromReply(std::string_view reply);
