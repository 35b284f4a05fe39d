#pragma once

#include <string>

namespace sim {

// What a command handler answers: the reply text (every line ended by "\r\n"), how much
// later than usual it goes out, and whether the appliance reboots after sending it.
struct Reply {
    std::string text;
    int extraDelayMs = 0;
    bool reboot = false;

    static Reply ok() { return {"+OK\r\n"}; }
    static Reply line(const std::string& text) { return {text + "\r\n"}; }
    static Reply error(const std::string& reason) { return {"-ERR " + reason + "\r\n"}; }
};

} // namespace sim
