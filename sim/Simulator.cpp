#include "sim/Simulator.h"

#include "sim/Appliance.h"
#include "sim/DiscoveryPacket.h"
#include "sim/DiscoveryResponder.h"
#include "sim/Socket.h"
#include "sim/TranscriptFile.h"

#include <algorithm>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace sim {

namespace {
// Longest sleep of the thread when nothing is due; bounds how late a change is noticed.
constexpr int kIdlePollMs = 1000;
} // namespace

Simulator::Simulator(SimulatorOptions options)
    : m_options(std::move(options)),
      m_discovery(std::make_unique<DiscoveryResponder>(m_options.discoverySpreadMs)),
      m_transcriptFile(std::make_unique<TranscriptFile>()), m_layout(m_options.discoveryLayout),
      m_wakeFd(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
    for (std::size_t i = 0; i < m_options.appliances.size(); ++i) {
        m_appliances.push_back(std::make_unique<Appliance>(
            static_cast<int>(i + 1), m_options.appliances[i], m_options.transcriptKeptBytes,
            [this](int number, const std::string& line) {
                m_transcriptFile->write(number, line);
            }));
    }
}

Simulator::~Simulator() {
    stop();
    if (m_wakeFd >= 0) {
        ::close(m_wakeFd);
    }
}

bool Simulator::start(std::string* error) {
    if (m_thread.joinable()) {
        return true;
    }
    std::string reason;
    {
        std::lock_guard lock(m_mutex);
        bool ok = m_options.transcriptPath.empty() || m_transcriptFile->isOpen() ||
                  m_transcriptFile->open(m_options.transcriptPath, reason);
        for (auto& each : m_appliances) {
            ok = ok && each->open(reason);
        }
        if (ok && m_options.discoveryEnabled) {
            // A port chosen by the system at the first start is kept for restarts.
            const auto port = m_discovery->port() ? m_discovery->port() : m_options.discoveryPort;
            ok = m_discovery->open(m_options.discoveryAddress, port, reason);
        }
        if (ok && m_wakeFd < 0) {
            ok = false;
            reason = "eventfd failed";
        }
        if (!ok) {
            closeAll();
            if (error) {
                *error = reason;
            }
            return false;
        }
    }
    m_stopping = false;
    m_thread = std::thread([this] { run(); });
    m_running = true;
    return true;
}

void Simulator::stop() {
    if (!m_thread.joinable()) {
        return;
    }
    m_stopping = true;
    wake();
    m_thread.join();
    m_running = false;
    std::lock_guard lock(m_mutex);
    closeAll();
}

bool Simulator::isRunning() const {
    return m_running;
}

void Simulator::closeAll() {
    for (auto& each : m_appliances) {
        each->close();
    }
    m_discovery->close();
}

void Simulator::wake() const {
    if (m_wakeFd >= 0) { // made once in the constructor, so readable without the lock
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(m_wakeFd, &one, sizeof one);
    }
}

void Simulator::run() {
    while (!m_stopping) {
        runOnce();
    }
}

void Simulator::runOnce() {
    std::vector<pollfd> fds;
    std::vector<std::size_t> firstOfAppliance;
    int timeoutMs = kIdlePollMs;
    {
        std::lock_guard lock(m_mutex);
        const TimePoint now = Clock::now();
        fds.push_back({m_wakeFd, POLLIN, 0});
        fds.push_back({m_discovery->fd(), POLLIN, 0}); // a negative fd is skipped by poll()
        const auto waitFor = [&](const std::optional<TimePoint>& next) {
            if (next) {
                const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*next - now).count();
                timeoutMs = std::clamp(static_cast<int>(wait), 0, timeoutMs);
            }
        };
        waitFor(m_discovery->nextDue());
        for (const auto& each : m_appliances) {
            firstOfAppliance.push_back(fds.size());
            each->addPollFds(fds, now);
            waitFor(each->nextDeadline());
        }
        firstOfAppliance.push_back(fds.size());
    }
    ::poll(fds.data(), fds.size(), timeoutMs);

    std::lock_guard lock(m_mutex);
    const TimePoint now = Clock::now();
    if (fds[0].revents) {
        std::uint64_t count = 0;
        [[maybe_unused]] const ssize_t read = ::read(m_wakeFd, &count, sizeof count);
    }
    if (fds[1].revents) {
        serveDiscovery(now);
    }
    m_discovery->sendDue(now);
    for (std::size_t i = 0; i < m_appliances.size(); ++i) {
        for (std::size_t j = firstOfAppliance[i]; j < firstOfAppliance[i + 1]; ++j) {
            if (fds[j].revents) {
                m_appliances[i]->onReady(fds[j], now);
            }
        }
    }
    for (auto& each : m_appliances) {
        each->tick(now);
    }
}

void Simulator::serveDiscovery(TimePoint now) {
    m_discovery->serve(now, [this](const sockaddr_in& requester) {
        std::vector<std::vector<std::uint8_t>> replies;
        for (const auto& each : m_appliances) {
            if (!each->isUp()) {
                continue;
            }
            const ApplianceState& state = each->state();
            DeviceRecord record{
                state.productName,   state.modelCode,  state.serialNumber, 0,
                each->controlPort(), state.macAddress, state.btName,       state.bdAddress};
            // A listener on the wildcard address announces the address the requester reaches.
            record.ipv4 = parseIPv4(each->controlAddress()).value_or(0);
            if (record.ipv4 == 0) {
                record.ipv4 = localAddressToward(requester).value_or(0);
            }
            replies.push_back(buildDiscoveryReply(record, m_layout));
        }
        return replies;
    });
}

Appliance& Simulator::appliance(std::size_t index) const {
    return *m_appliances.at(index);
}

std::size_t Simulator::applianceCount() const {
    return m_appliances.size();
}

std::string Simulator::controlAddress(std::size_t index) const {
    std::lock_guard lock(m_mutex);
    return appliance(index).controlAddress();
}

std::uint16_t Simulator::controlPort(std::size_t index) const {
    std::lock_guard lock(m_mutex);
    return appliance(index).controlPort();
}

std::uint16_t Simulator::discoveryPort() const {
    std::lock_guard lock(m_mutex);
    return m_discovery->port();
}

bool Simulator::isUp(std::size_t index) const {
    std::lock_guard lock(m_mutex);
    return appliance(index).isUp();
}

std::size_t Simulator::clientCount(std::size_t index) const {
    std::lock_guard lock(m_mutex);
    return appliance(index).connectionCount();
}

ApplianceState Simulator::state(std::size_t index) const {
    std::lock_guard lock(m_mutex);
    return appliance(index).state();
}

void Simulator::setState(std::size_t index, const ApplianceState& state) {
    std::lock_guard lock(m_mutex);
    appliance(index).state() = state;
}

void Simulator::updateState(std::size_t index, const std::function<void(ApplianceState&)>& change) {
    std::lock_guard lock(m_mutex);
    change(appliance(index).state());
}

Faults Simulator::faults(std::size_t index) const {
    std::lock_guard lock(m_mutex);
    return appliance(index).faults();
}

void Simulator::setFaults(std::size_t index, const Faults& faults) {
    {
        std::lock_guard lock(m_mutex);
        appliance(index).faults() = faults;
    }
    wake(); // the unsolicited-line clock may have changed
}

Timing Simulator::timing(std::size_t index) const {
    std::lock_guard lock(m_mutex);
    return appliance(index).timing();
}

void Simulator::setTiming(std::size_t index, const Timing& timing) {
    std::lock_guard lock(m_mutex);
    appliance(index).timing() = timing;
}

void Simulator::setRebootDowntimeMs(std::size_t index, int milliseconds) {
    std::lock_guard lock(m_mutex);
    appliance(index).timing().rebootDowntimeMs = milliseconds;
}

void Simulator::setRepeaterModeDelayMs(std::size_t index, int milliseconds) {
    std::lock_guard lock(m_mutex);
    appliance(index).timing().repeaterModeDelayMs = milliseconds;
}

DiscoveryLayout Simulator::discoveryLayout() const {
    std::lock_guard lock(m_mutex);
    return m_layout;
}

void Simulator::setDiscoveryLayout(const DiscoveryLayout& layout) {
    std::lock_guard lock(m_mutex);
    m_layout = layout;
}

std::vector<std::string> Simulator::transcript(std::size_t index) const {
    std::lock_guard lock(m_mutex);
    return appliance(index).transcript();
}

void Simulator::clearTranscript(std::size_t index) {
    std::lock_guard lock(m_mutex);
    appliance(index).clearTranscript();
}

} // namespace sim
