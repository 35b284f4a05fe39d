#pragma once

#include <string>
#include <string_view>

// The exchange with one logged-in appliance, as the settings code needs it. The manager
// implements it with its main window's SendCommand (the log pane shows every exchange); the
// command line with a command engine on a connection of its own.
class IApplianceExchange {
public:
    virtual ~IApplianceExchange() = default;

    // Sends a complete command line (with its "\r\n") and returns the reply; empty means a
    // time-out. Blocks the calling thread for the exchange; keeps nothing of the caller's.
    virtual std::string SendCommand(std::string_view command, int timeoutSeconds) = 0;

    // Whether the appliance announced the command word `word` in its "help" reply. Does not
    // block: the list was read when the session began.
    virtual bool IsCommandSupported(std::string_view word) const = 0;
};
