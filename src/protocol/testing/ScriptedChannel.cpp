#include "protocol/testing/ScriptedChannel.h"

#include <algorithm>

void CScriptedChannel::Answer(Pieces pieces) {
    m_answers.push_back(std::move(pieces));
}

void CScriptedChannel::Answer(std::string reply) {
    Answer(Pieces{{0, std::move(reply)}});
}

void CScriptedChannel::SetResponder(Responder responder) {
    m_responder = std::move(responder);
}

void CScriptedChannel::Arrive(std::string bytes, int afterMs) {
    Schedule(m_nowMs + afterMs, std::move(bytes));
}

void CScriptedChannel::CloseStream(int afterMs) {
    m_closeAtMs = m_nowMs + afterMs;
}

void CScriptedChannel::FailWaits(bool fail) {
    m_failWaits = fail;
}

void CScriptedChannel::FailSends(bool fail) {
    m_failSends = fail;
}

void CScriptedChannel::Advance(int ms) {
    m_nowMs += ms;
}

WaitResult CScriptedChannel::WaitReadable(int seconds) {
    ++m_waits;
    if (m_failWaits)
        return WaitResult::Error;
    const long long deadline = m_nowMs + 1000LL * std::max(seconds, 0);
    const std::optional<long long> next = NextEventMs();
    if (next && *next <= deadline) {
        PassTimeTo(*next);
        return WaitResult::Readable;
    }
    PassTimeTo(deadline);
    return WaitResult::TimedOut;
}

std::ptrdiff_t CScriptedChannel::Read(std::span<char> buffer) {
    ++m_reads;
    const std::optional<long long> next = NextEventMs();
    if (!next)
        return -1;
    PassTimeTo(*next);
    size_t taken = 0;
    while (taken < buffer.size() && !m_arrivals.empty() && m_arrivals.front().atMs <= m_nowMs) {
        std::string& bytes = m_arrivals.front().bytes;
        const size_t count = std::min(bytes.size(), buffer.size() - taken);
        std::copy_n(bytes.begin(), count, buffer.begin() + static_cast<std::ptrdiff_t>(taken));
        taken += count;
        bytes.erase(0, count);
        if (bytes.empty())
            m_arrivals.pop_front();
    }
    return static_cast<std::ptrdiff_t>(taken);
}

bool CScriptedChannel::SendLine(std::string_view line) {
    if (m_failSends)
        return false;
    m_sent.emplace_back(line);
    Pieces answer;
    if (!m_answers.empty()) {
        answer = std::move(m_answers.front());
        m_answers.pop_front();
    } else if (m_responder) {
        answer = m_responder(line);
    }
    long long at = m_nowMs;
    for (Piece& piece : answer) {
        at += piece.afterMs;
        Schedule(at, std::move(piece.bytes));
    }
    return true;
}

size_t CScriptedChannel::PendingBytes() const {
    size_t pending = 0;
    for (const Arrival& arrival : m_arrivals)
        pending += arrival.bytes.size();
    return pending;
}

void CScriptedChannel::Schedule(long long atMs, std::string bytes) {
    if (bytes.empty())
        return;
    const auto later = std::upper_bound(
        m_arrivals.begin(), m_arrivals.end(), atMs,
        [](long long time, const Arrival& arrival) { return time < arrival.atMs; });
    m_arrivals.insert(later, Arrival{atMs, std::move(bytes)});
}

std::optional<long long> CScriptedChannel::NextEventMs() const {
    if (m_arrivals.empty())
        return m_closeAtMs;
    if (m_closeAtMs)
        return std::min(m_arrivals.front().atMs, *m_closeAtMs);
    return m_arrivals.front().atMs;
}

void CScriptedChannel::PassTimeTo(long long atMs) {
    if (atMs <= m_nowMs)
        return;
    const long long passed = atMs - m_nowMs;
    m_nowMs = atMs;
    if (m_onTimePassed)
        m_onTimePassed(passed);
}
