#pragma once

#include <string>
#include <string_view>

#include "appliance/IApplianceExchange.h"
#include "cli/Target.h"
#include "protocol/CommandEngine.h"
#include "protocol/ControlSocket.h"
#include "protocol/ICommandLog.h"

// How opening a session ended.
enum class SessionOutcome {
    Ok,
    Unreachable,  // the connection was refused or not accepted in time
    TimedOut,     // no reply to "User" or "Pass"
    LoginRefused, // the appliance did not take the user name and password
};

struct CCredentials {
    std::string m_strUser;
    std::string m_strPassword;
};

// One logged-in control connection of the command line, on a connection and a command engine
// of its own: a session per thread needs no locking. The exchanges are echoed on stderr when
// asked for, the password hidden.
class CCliSession final : public IApplianceExchange, private ICommandLog {
public:
    explicit CCliSession(bool echoExchanges = false);
    CCliSession(const CCliSession&) = delete;
    CCliSession& operator=(const CCliSession&) = delete;

    // Connects (waiting at most `connectTimeoutMs` for the appliance to accept), reads the
    // greeting, logs in as the manager does and reads the "help" command list. Blocks the
    // calling thread for each step; closes the connection unless the outcome is Ok.
    SessionOutcome Open(const CTarget& target, const CCredentials& credentials,
                        int connectTimeoutMs);
    // Why Open failed, in the manager's words ("Check User name and Password."); empty after
    // Ok.
    const std::string& Failure() const { return m_strFailure; }
    void Close();

    std::string SendCommand(std::string_view command, int timeoutSeconds) override;
    bool IsCommandSupported(std::string_view word) const override;

private:
    std::string Send(std::string_view command, int timeoutSeconds, std::string_view logText);
    SessionOutcome Fail(SessionOutcome outcome, std::string_view failure);
    void AppendLog(std::string_view text) override;
    void RepaintNow() override {}

    CControlSocket m_socket;
    CCommandEngine m_engine;
    bool m_bEcho;
    std::string m_strAddress;
    std::string m_strHelp;
    std::string m_strFailure;
};
