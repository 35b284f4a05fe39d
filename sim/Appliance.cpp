#include "sim/Appliance.h"

#include "sim/CommandLine.h"
#include "sim/CommandTable.h"
#include "sim/Reply.h"
#include "sim/Validate.h"

#include <algorithm>
#include <string_view>
#include <sys/socket.h>

namespace sim {

namespace {

constexpr const char* kGreeting = "Welcome to Velmora42\r\n";
constexpr std::string_view kRefused = "-ERR Too many connections\r\n";
constexpr const char* kLoginTimedOut = "-ERR Login timed out\r\n";
constexpr std::chrono::milliseconds kRebindRetry{500};

std::chrono::milliseconds ms(int count) {
    return std::chrono::milliseconds(std::max(0, count));
}

// Filler lines in front of the reply, so that the whole exceeds one 1000-byte read.
std::string withFiller(const std::string& reply) {
    const std::string line = std::string(78, '#') + "\r\n";
    std::string filler;
    while (filler.size() + reply.size() <= 1000) {
        filler += line;
    }
    return filler + reply;
}

} // namespace

Appliance::Appliance(int number, ApplianceOptions options, std::size_t transcriptKeptBytes,
                     LineSink sink)
    : m_number(number), m_options(std::move(options)), m_sink(std::move(sink)),
      m_port(m_options.controlPort), m_transcriptKeptBytes(transcriptKeptBytes) {}

bool Appliance::open(std::string& error) {
    m_listener = openTcpListener(m_options.controlAddress, m_port, error);
    if (!m_listener.valid()) {
        return false;
    }
    m_port = boundPort(m_listener.get());
    m_downUntil.reset();
    return true;
}

void Appliance::close() {
    m_listener.reset();
    m_sessions.clear();
}

std::size_t Appliance::connectionCount() const {
    return static_cast<std::size_t>(std::count_if(
        m_sessions.begin(), m_sessions.end(), [](const auto& each) { return !each->finished(); }));
}

void Appliance::addPollFds(std::vector<pollfd>& fds, TimePoint now) const {
    if (m_listener.valid()) {
        fds.push_back({m_listener.get(), POLLIN, 0});
    }
    for (const auto& session : m_sessions) {
        if (session->finished()) {
            continue;
        }
        const short events = static_cast<short>((session->readable() ? POLLIN : 0) |
                                                (session->wantsWrite(now) ? POLLOUT : 0));
        fds.push_back({session->fd(), events, 0});
    }
}

void Appliance::onReady(const pollfd& ready, TimePoint now) {
    if (m_listener.valid() && ready.fd == m_listener.get()) {
        acceptClients(now);
        return;
    }
    for (auto& session : m_sessions) {
        if (session->finished() || session->fd() != ready.fd) {
            continue;
        }
        if (ready.revents & (POLLIN | POLLHUP | POLLERR)) {
            for (const auto& line : session->receive()) {
                handleLine(*session, line, now);
            }
            if (session->inputClosed()) {
                session->closeWhenSent();
            }
        }
        session->flush(now);
        // Reset or shut in both directions: nothing more can go out, and poll would report
        // the same again at once until the last reply is due.
        if (ready.revents & (POLLHUP | POLLERR)) {
            session->close();
        }
        return;
    }
}

void Appliance::acceptClients(TimePoint now) {
    for (;;) {
        UniqueFd client(
            ::accept4(m_listener.get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
        if (!client.valid()) {
            return; // nothing more waiting, or the client already gave up
        }
        if (connectionCount() >= kMaxSessions) {
            // Refused with one line, closed right away.
            ::send(client.get(), kRefused.data(), kRefused.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
            continue;
        }
        auto session = std::make_unique<Session>(std::move(client));
        session->conversation().waitingForLoginSince = now;
        session->queue(kGreeting, now);
        session->flush(now);
        m_sessions.push_back(std::move(session));
    }
}

void Appliance::handleLine(Session& session, const LineSplitter::Line& line, TimePoint now) {
    if (!session.accepting() || !isUp()) {
        return;
    }
    if (line.overlong) {
        queueReply(session, "-ERR Line too long\r\n", 0, now);
        return;
    }
    if (line.text.empty()) {
        return;
    }
    keepInTranscript(line.text);
    if (m_sink) {
        m_sink(m_number, line.text);
    }
    Session::Conversation& conversation = session.conversation();
    ++conversation.commandCount;

    const CommandLine command = CommandLine::parse(line.text);
    const Faults& faults = m_options.faults;
    if (containsWord(faults.failWords, command.word)) {
        queueReply(session, "-ERR Injected failure\r\n", 0, now);
    } else if (!containsWord(faults.silentWords, command.word)) {
        const Reply reply = answer(session, command, now);
        const std::string text =
            containsWord(faults.longReplyWords, command.word) ? withFiller(reply.text) : reply.text;
        const TimePoint sent = queueReply(session, text, reply.extraDelayMs, now);
        if (reply.reboot) {
            beginReboot(session, sent);
        }
    }
    if (faults.closeAfterCommands > 0 && conversation.commandCount >= faults.closeAfterCommands) {
        session.closeWhenSent();
    }
}

Reply Appliance::answer(Session& session, const CommandLine& command, TimePoint now) {
    Session::Conversation& conversation = session.conversation();
    const ApplianceState& state = m_options.state;
    if (command.word == "User") {
        conversation.userGiven = true;
        conversation.user = command.argumentText;
        conversation.authenticated = false;
        return Reply::line("+OK Password required");
    }
    if (command.word == "Pass") {
        if (!conversation.userGiven) {
            return Reply::error("Send User first");
        }
        conversation.userGiven = false;
        conversation.authenticated =
            conversation.user == state.user && command.argumentText == state.password;
        if (!conversation.authenticated) {
            return Reply::error("Invalid user name or password");
        }
        conversation.waitingForLoginSince.reset();
        conversation.nextUnsolicited.reset();
        sendUnsolicited(session, now); // starts the clock for unsolicited lines
        return Reply::line("+OK User Authenticated");
    }
    if (!conversation.authenticated) {
        return Reply::error("Login required");
    }
    CommandContext context{m_options.state, m_options.timing};
    return CommandTable::standard().dispatch(context, command);
}

TimePoint Appliance::queueReply(Session& session, const std::string& text, int extraDelayMs,
                                TimePoint now) {
    const Faults& faults = m_options.faults;
    const TimePoint due = now + ms(faults.replyDelayMs) + ms(extraDelayMs);
    const std::size_t pieces =
        std::clamp<std::size_t>(static_cast<std::size_t>(std::max(1, faults.splitPieces)), 1,
                                std::max<std::size_t>(1, text.size()));
    const std::size_t size = (text.size() + pieces - 1) / pieces;
    TimePoint last = due;
    for (std::size_t i = 0; i < pieces; ++i) {
        const std::size_t start = std::min(text.size(), i * size);
        last = session.queue(text.substr(start, size),
                             due + ms(faults.splitGapMs) * static_cast<int>(i));
    }
    session.flush(now);
    return last;
}

void Appliance::beginReboot(Session& rebooting, TimePoint okSent) {
    // The "+OK" still goes out on this connection; everything else stops at once.
    rebooting.closeWhenSent();
    for (auto& session : m_sessions) {
        if (session.get() != &rebooting) {
            session->close();
        }
    }
    m_listener.reset();
    m_options.state.connections.clear();
    m_downUntil = okSent + ms(m_options.timing.rebootDowntimeMs);
}

void Appliance::sendUnsolicited(Session& session, TimePoint now) {
    Session::Conversation& conversation = session.conversation();
    const int every = m_options.faults.unsolicitedEveryMs;
    if (!conversation.authenticated || every <= 0) {
        conversation.nextUnsolicited.reset();
        return;
    }
    if (conversation.nextUnsolicited && *conversation.nextUnsolicited <= now) {
        session.queue(m_options.faults.unsolicitedText + "\r\n", now);
    }
    if (!conversation.nextUnsolicited || *conversation.nextUnsolicited <= now) {
        conversation.nextUnsolicited = now + ms(every);
    }
}

void Appliance::tick(TimePoint now) {
    if (m_downUntil && *m_downUntil <= now) {
        std::string error;
        if (!open(error)) {
            m_downUntil = now + kRebindRetry; // the port is busy; try again shortly
        }
    }
    for (auto& session : m_sessions) {
        if (session->accepting()) {
            closeIfLoginLate(*session, now);
        }
        if (session->accepting()) {
            sendUnsolicited(*session, now);
        }
        session->flush(now);
    }
    std::erase_if(m_sessions, [](const auto& session) { return session->finished(); });
}

std::optional<TimePoint> Appliance::nextDeadline() const {
    std::optional<TimePoint> next = m_downUntil;
    const auto consider = [&next](const std::optional<TimePoint>& when) {
        if (when && (!next || *when < *next)) {
            next = when;
        }
    };
    for (const auto& session : m_sessions) {
        consider(session->nextDue());
        // A connection told to close sends nothing more of its own.
        if (session->accepting()) {
            consider(session->conversation().nextUnsolicited);
            consider(loginDeadline(*session));
        }
    }
    return next;
}

std::optional<TimePoint> Appliance::loginDeadline(const Session& session) const {
    const auto& since = session.conversation().waitingForLoginSince;
    if (!since) {
        return std::nullopt;
    }
    return *since + ms(m_options.timing.loginTimeoutMs);
}

void Appliance::closeIfLoginLate(Session& session, TimePoint now) {
    const auto deadline = loginDeadline(session);
    if (deadline && *deadline <= now) {
        session.conversation().waitingForLoginSince.reset();
        session.queue(kLoginTimedOut, now);
        session.closeWhenSent();
    }
}

// The oldest lines give way once the kept ones pass the limit.
void Appliance::keepInTranscript(const std::string& line) {
    m_transcript.push_back(line);
    m_transcriptBytes += line.size();
    while (m_transcriptBytes > m_transcriptKeptBytes) {
        m_transcriptBytes -= m_transcript.front().size();
        m_transcript.pop_front();
    }
}

void Appliance::clearTranscript() {
    m_transcript.clear();
    m_transcriptBytes = 0;
}

} // namespace sim
