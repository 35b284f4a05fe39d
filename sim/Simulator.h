#pragma once

#include "sim/ApplianceState.h"
#include "sim/Faults.h"
#include "sim/SimulatorOptions.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace sim {

class Appliance;
class DiscoveryResponder;
class TranscriptFile;

// Stand-in for one or more Velmora42 appliances on the network: answers the discovery
// request on UDP and the control protocol on one TCP listener per appliance, with state.
//
// Threads: start() runs everything on one background thread (poll() inside). start() and
// stop() belong to the owning thread; every other member may be called from any thread at
// any time: they take the simulator's lock, so a change is seen whole by the next command.
// Appliance indexes are 0-based; an index out of range is a programming error (std::out_of_range).
// Nothing here blocks longer than the lock is held by the background thread (one pass over ready
// sockets), except start() and stop().
class Simulator {
public:
    explicit Simulator(SimulatorOptions options);
    // Stops the thread and closes every socket.
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // Binds every socket, then starts the background thread. On failure nothing is left
    // bound or running, `error` says why, and false is returned. Blocks only for the binds.
    bool start(std::string* error = nullptr);
    // Stops the thread and closes all sockets; connected clients see their connection
    // closed. Blocks until the thread has ended. State, faults and transcripts survive and a
    // later start() binds the same ports again.
    void stop();
    bool isRunning() const;

    std::size_t applianceCount() const;
    // Where appliance `index` takes control connections; the port is the bound one (also
    // when 0 was asked for), 0 before the first start().
    std::string controlAddress(std::size_t index) const;
    std::uint16_t controlPort(std::size_t index) const;
    // The bound discovery port, 0 before start() or without discovery.
    std::uint16_t discoveryPort() const;
    // False while the appliance reboots (neither discovery nor connections are answered).
    bool isUp(std::size_t index) const;
    // Control connections open right now.
    std::size_t clientCount(std::size_t index) const;

    // A copy of the appliance's state, and ways to change it in place.
    ApplianceState state(std::size_t index) const;
    void setState(std::size_t index, const ApplianceState& state);
    // Runs `change` on the live state under the lock; keep it short, do not call back in.
    void updateState(std::size_t index, const std::function<void(ApplianceState&)>& change);

    Faults faults(std::size_t index) const;
    void setFaults(std::size_t index, const Faults& faults);
    Timing timing(std::size_t index) const;
    void setTiming(std::size_t index, const Timing& timing);
    void setRebootDowntimeMs(std::size_t index, int milliseconds);
    void setRepeaterModeDelayMs(std::size_t index, int milliseconds);

    DiscoveryLayout discoveryLayout() const;
    void setDiscoveryLayout(const DiscoveryLayout& layout);

    // The lines appliance `index` received (without their line ends), oldest first, as far
    // as SimulatorOptions::transcriptKeptBytes keeps them, and a way to forget them.
    std::vector<std::string> transcript(std::size_t index) const;
    void clearTranscript(std::size_t index);

private:
    void run();
    void runOnce();
    void wake() const;
    void serveDiscovery(std::chrono::steady_clock::time_point now);
    Appliance& appliance(std::size_t index) const;
    void closeAll();

    SimulatorOptions m_options; // for what is fixed at construction
    mutable std::mutex m_mutex;
    std::vector<std::unique_ptr<Appliance>> m_appliances;
    std::unique_ptr<DiscoveryResponder> m_discovery;
    std::unique_ptr<TranscriptFile> m_transcriptFile;
    DiscoveryLayout m_layout;
    int m_wakeFd = -1; // eventfd that interrupts the thread's poll()
    std::atomic<bool> m_stopping{false};
    std::atomic<bool> m_running{false};
    std::thread m_thread;
};

} // namespace sim
