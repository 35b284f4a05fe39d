#pragma once

#include "sim/ApplianceState.h"
#include "sim/Session.h"
#include "sim/SimulatorOptions.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <poll.h>

namespace sim {

struct Reply;
struct CommandLine;

// One simulated appliance: its control listener, its connections, its state, faults and
// transcript. Not thread-safe by itself: the simulator calls it from its thread, and from
// library calls, only under its own lock.
class Appliance {
public:
    // Receives every line the appliance gets: appliance number (1-based) and the line.
    using LineSink = std::function<void(int, const std::string&)>;

    // The last `transcriptKeptBytes` of received lines are kept for transcript().
    Appliance(int number, ApplianceOptions options, std::size_t transcriptKeptBytes, LineSink sink);

    // Binds the control listener; a free port chosen here is kept for later re-binds.
    bool open(std::string& error);
    // Closes the listener and every connection.
    void close();

    int number() const { return m_number; }
    const std::string& controlAddress() const { return m_options.controlAddress; }
    std::uint16_t controlPort() const { return m_port; }
    // False while it reboots: it then answers neither discovery nor connections.
    bool isUp() const { return !m_downUntil.has_value(); }
    std::size_t connectionCount() const;

    ApplianceState& state() { return m_options.state; }
    Faults& faults() { return m_options.faults; }
    Timing& timing() { return m_options.timing; }
    std::vector<std::string> transcript() const {
        return {m_transcript.begin(), m_transcript.end()};
    }
    void clearTranscript();

    // Adds the descriptors to wait on.
    void addPollFds(std::vector<pollfd>& fds, TimePoint now) const;
    void onReady(const pollfd& ready, TimePoint now);
    // Runs what is due by `now`: replies, unsolicited lines, the end of a reboot.
    void tick(TimePoint now);
    std::optional<TimePoint> nextDeadline() const;

private:
    static constexpr std::size_t kMaxSessions = 32;

    void acceptClients(TimePoint now);
    void keepInTranscript(const std::string& line);
    // When the connection is closed unless it has logged in by then.
    std::optional<TimePoint> loginDeadline(const Session& session) const;
    // Closes the connection when it has not logged in in time.
    void closeIfLoginLate(Session& session, TimePoint now);
    void handleLine(Session& session, const LineSplitter::Line& line, TimePoint now);
    Reply answer(Session& session, const CommandLine& command, TimePoint now);
    // Queues a reply with the delay and splitting faults applied; returns when it is all out.
    TimePoint queueReply(Session& session, const std::string& text, int extraDelayMs,
                         TimePoint now);
    void beginReboot(Session& rebooting, TimePoint okSent);
    void sendUnsolicited(Session& session, TimePoint now);

    int m_number;
    ApplianceOptions m_options;
    LineSink m_sink;
    std::uint16_t m_port;
    UniqueFd m_listener;
    std::vector<std::unique_ptr<Session>> m_sessions;
    std::size_t m_transcriptKeptBytes;
    std::deque<std::string> m_transcript;
    std::size_t m_transcriptBytes = 0;
    std::optional<TimePoint> m_downUntil;
};

} // namespace sim
