#include "cli/FleetProgress.h"

#include <chrono>
#include <sys/ioctl.h>

namespace {

constexpr auto kRedrawPause = std::chrono::milliseconds(100);
// A block taller than the terminal could not be found again by moving up.
constexpr int kMostRunningLines = 16;

// Control characters from an appliance's name would move the cursor or recolour the terminal.
std::string Printable(const std::string& text) {
    std::string shown = text;
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return shown;
}

} // namespace

CFleetProgress::CFleetProgress(std::ostream& out, bool terminal, std::size_t total, int width)
    : m_out(out), m_bTerminal(terminal), m_nTotal(total), m_nWidth(width) {
    if (m_bTerminal)
        m_drawer = std::jthread([this](std::stop_token stop) { DrawLoop(stop); });
}

CFleetProgress::~CFleetProgress() {
    Finish();
}

int CFleetProgress::TerminalWidth(int fd) {
    winsize size{};
    return ioctl(fd, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : 80;
}

void CFleetProgress::Started(std::size_t index, const std::string& target) {
    std::lock_guard lock(m_mutex);
    m_running[index] = {Printable(target), "connecting"};
    m_bDirty = true;
    m_wake.notify_one();
}

void CFleetProgress::Working(std::size_t index, const std::string& text) {
    std::lock_guard lock(m_mutex);
    if (auto found = m_running.find(index); found != m_running.end()) {
        found->second.text = Printable(text);
        m_bDirty = true;
        m_wake.notify_one();
    }
}

void CFleetProgress::Ended(std::size_t index, const std::string& line) {
    std::lock_guard lock(m_mutex);
    m_running.erase(index);
    ++m_nDone;
    if (!m_bTerminal) {
        m_out << Printable(line) << '\n' << std::flush;
        return;
    }
    m_ended.push_back(Printable(line));
    m_bDirty = true;
    m_wake.notify_one();
}

void CFleetProgress::Finish() {
    if (m_drawer.joinable()) {
        m_drawer.request_stop();
        m_drawer.join();
    }
    std::lock_guard lock(m_mutex);
    if (m_bFinished || !m_bTerminal)
        return;
    m_bFinished = true;
    m_running.clear();
    Draw();
    // The count goes too: the summary follows.
    m_out << "\x1b[" << m_nDrawnLines << "F\x1b[J" << std::flush;
}

void CFleetProgress::DrawLoop(std::stop_token stop) {
    std::unique_lock lock(m_mutex);
    while (!stop.stop_requested()) {
        if (m_bDirty)
            Draw();
        // Whatever happens meanwhile waits for the next redraw: no more than ten a second.
        lock.unlock();
        std::this_thread::sleep_for(kRedrawPause);
        lock.lock();
        m_wake.wait(lock, stop, [this] { return m_bDirty; });
    }
}

void CFleetProgress::Draw() {
    std::string text;
    if (m_nDrawnLines > 0)
        text += "\x1b[" + std::to_string(m_nDrawnLines) + "F";
    text += "\x1b[J";
    for (const std::string& line : m_ended)
        text += line + "\n";
    m_ended.clear();
    text += Fit(std::to_string(m_nDone) + " of " + std::to_string(m_nTotal) + " done") + "\n";
    int lines = 1;
    for (const auto& [index, running] : m_running) {
        if (lines == kMostRunningLines) {
            text += "  and " + std::to_string(m_running.size() - kMostRunningLines + 1) + " more\n";
            ++lines;
            break;
        }
        text += Fit("  " + running.target + "  " + running.text) + "\n";
        ++lines;
    }
    m_nDrawnLines = lines;
    m_out << text << std::flush;
    m_bDirty = false;
}

std::string CFleetProgress::Fit(const std::string& text) const {
    const std::size_t most = static_cast<std::size_t>(std::max(m_nWidth - 1, 10));
    return text.size() <= most ? text : text.substr(0, most - 3) + "...";
}
