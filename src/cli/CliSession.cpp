#include "cli/CliSession.h"

#include <cstdio>

#include "protocol/CommandList.h"
#include "ui/Text.h"

namespace {

// A reply without its line end, as the login compares it.
std::string Stripped(const std::string& reply) {
    return Left(reply, Length(reply) - 2);
}

} // namespace

CCliSession::CCliSession(bool echoExchanges) : m_engine(*this), m_bEcho(echoExchanges) {}

SessionOutcome CCliSession::Open(const CTarget& target, const CCredentials& credentials,
                                 int connectTimeoutMs) {
    Close();
    m_strAddress = target.Address();
    m_strFailure.clear();
    if (!m_socket.Create() ||
        !m_socket.Connect(target.m_strHost, target.m_nPort, {}, connectTimeoutMs))
        return Fail(SessionOutcome::Unreachable, "Velmora42 Connection is failed");
    // The greeting is neither examined nor required, as in the manager.
    m_engine.ReadGreeting(m_socket);
    const std::string user = Send("User " + credentials.m_strUser + "\r\n", 0, {});
    if (user.empty())
        return Fail(SessionOutcome::TimedOut,
                    "Get UserID is timeout. Check Velmora42 and Try again.");
    // The password is sent whatever the appliance said to the user name.
    const std::string pass =
        Send("Pass " + credentials.m_strPassword + "\r\n", 0, "Pass ********\r\n");
    if (pass.empty())
        return Fail(SessionOutcome::TimedOut,
                    "Get Password is timeout. Check Velmora42 and Try again.");
    if (Stripped(user) != "+OK Password required" || Stripped(pass) != "+OK User Authenticated")
        return Fail(SessionOutcome::LoginRefused, "Check User name and Password.");
    m_strHelp = CommandListFromHelpReply(Send("help\r\n", 2, {}));
    return SessionOutcome::Ok;
}

SessionOutcome CCliSession::Fail(SessionOutcome outcome, std::string_view failure) {
    Close();
    m_strFailure = std::string(failure);
    return outcome;
}

void CCliSession::Close() {
    m_socket.Close();
    m_strHelp.clear();
}

std::string CCliSession::SendCommand(std::string_view command, int timeoutSeconds) {
    return Send(command, timeoutSeconds, {});
}

std::string CCliSession::Send(std::string_view command, int timeoutSeconds,
                              std::string_view logText) {
    if (!m_socket.IsConnected())
        return {};
    return m_engine.SendCommand(m_socket, command, timeoutSeconds, logText);
}

bool CCliSession::IsCommandSupported(std::string_view word) const {
    return CommandListHas(m_strHelp, word);
}

// Each line goes out with the target's address before it, so that the echoes of sessions
// running side by side can be told apart; one write per call keeps a line whole.
void CCliSession::AppendLog(std::string_view text) {
    if (!m_bEcho)
        return;
    std::string lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        std::string_view line = text.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines += m_strAddress + " " + std::string(line) + "\n";
        start = end == std::string_view::npos ? text.size() : end + 1;
    }
    std::fwrite(lines.data(), 1, lines.size(), stderr);
}
