#include "sim/Session.h"

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <sys/socket.h>

namespace sim {

Session::Session(UniqueFd socket) : m_socket(std::move(socket)) {}

std::vector<LineSplitter::Line> Session::receive() {
    std::vector<LineSplitter::Line> lines;
    char buffer[4096];
    // A bounded number of reads per call, so that one busy client cannot hold the thread.
    for (int reads = 0; reads < 16 && m_socket.valid() && readable(); ++reads) {
        const ssize_t count = ::recv(m_socket.get(), buffer, sizeof buffer, MSG_DONTWAIT);
        if (count > 0) {
            auto completed = m_lines.feed({buffer, static_cast<std::size_t>(count)});
            std::move(completed.begin(), completed.end(), std::back_inserter(lines));
            continue;
        }
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
            break;
        }
        if (count < 0) {
            close(); // reset by the peer
            break;
        }
        m_inputClosed = true; // the appliance answers what was asked, then closes
    }
    return lines;
}

TimePoint Session::queue(std::string bytes, TimePoint due) {
    due = std::max(due, m_lastDue);
    if (m_closeWhenSent || !m_socket.valid()) {
        return due;
    }
    m_lastDue = due;
    m_backlog += bytes.size();
    if (m_backlog > kMaxBacklog) {
        close();
        return due;
    }
    m_outbox.push_back({due, std::move(bytes)});
    return due;
}

void Session::closeWhenSent() {
    m_closeWhenSent = true;
    if (m_outbox.empty()) {
        close();
    }
}

void Session::flush(TimePoint now) {
    while (m_socket.valid() && !m_outbox.empty() && m_outbox.front().due <= now) {
        std::string& bytes = m_outbox.front().bytes;
        const ssize_t sent =
            ::send(m_socket.get(), bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent < 0) {
            if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
                close();
            }
            return;
        }
        m_backlog -= static_cast<std::size_t>(sent);
        bytes.erase(0, static_cast<std::size_t>(sent));
        if (!bytes.empty()) {
            return; // the socket buffer is full; poll reports when it drains
        }
        m_outbox.pop_front();
    }
    if (m_closeWhenSent && m_outbox.empty()) {
        close();
    }
}

void Session::close() {
    m_socket.reset();
    m_outbox.clear();
    m_backlog = 0;
}

bool Session::wantsWrite(TimePoint now) const {
    return !m_outbox.empty() && m_outbox.front().due <= now;
}

std::optional<TimePoint> Session::nextDue() const {
    if (m_outbox.empty()) {
        return std::nullopt;
    }
    return m_outbox.front().due;
}

} // namespace sim
