#pragma once

#include <set>
#include <string>

namespace sim {

// Misbehaviour injected into one appliance's control connections, for tests and for trying
// the manager by hand. Command words match whatever their case ("mode" hits "Mode" too).
struct Faults {
    int replyDelayMs = 0;              // every reply starts this late
    int splitPieces = 1;               // each reply goes out in this many pieces ...
    int splitGapMs = 0;                // ... this far apart
    std::set<std::string> silentWords; // swallowed: neither executed nor answered
    std::set<std::string> failWords;   // not executed, answered "-ERR"
    int closeAfterCommands = 0; // close the connection after this many command lines (0: never)
    int unsolicitedEveryMs = 0; // after login, an unasked line this often (0: never)
    std::string unsolicitedText = "EVENT heartbeat";
    std::set<std::string> longReplyWords; // replies preceded by filler beyond 1000 bytes

    bool operator==(const Faults&) const = default;
};

// True when `words` holds `word`, compared without regard to case.
bool containsWord(const std::set<std::string>& words, const std::string& word);

} // namespace sim
