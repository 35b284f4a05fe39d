#pragma once

#include "protocol/IChannel.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// A control connection that plays a script on a virtual clock, for tests of everything that
// talks to the appliance through the command engine: no socket, no real seconds. Waits
// advance the clock to the next arrival or to their time-out; bytes that have arrived by the
// time of a read come out of one stream, so pieces merge as they would on a socket.
class CScriptedChannel final : public IChannel {
public:
    // Bytes that arrive `afterMs` virtual milliseconds after the piece before them (the first
    // piece of an answer: after the line it answers was sent).
    struct Piece {
        int afterMs = 0;
        std::string bytes;
    };
    using Pieces = std::vector<Piece>;
    using Responder = std::function<Pieces(std::string_view line)>;

    // Queues the answer to the next line sent that has none yet.
    void Answer(Pieces pieces);
    void Answer(std::string reply);
    // Answers every line sent for which no answer is queued; without it such lines meet
    // silence.
    void SetResponder(Responder responder);
    // Bytes the appliance sends unasked, `afterMs` from now.
    void Arrive(std::string bytes, int afterMs = 0);
    // The appliance closes the connection `afterMs` from now: once the bytes before the close
    // are read, reads return 0 (end of stream).
    void CloseStream(int afterMs = 0);
    // Makes every following wait (or send) fail until called again with false.
    void FailWaits(bool fail);
    void FailSends(bool fail);
    // Lets virtual time pass, as between two commands.
    void Advance(int ms);
    // Told of the virtual time every wait and read lets pass, so that the clock the timers
    // run on moves with the exchanges.
    void OnTimePassed(std::function<void(long long ms)> hook) { m_onTimePassed = std::move(hook); }

    WaitResult WaitReadable(int seconds) override;
    // Takes what has arrived, up to the buffer size. With nothing there it blocks: the clock
    // moves to the next arrival, or to the close; with neither the read fails, since it would
    // never return.
    std::ptrdiff_t Read(std::span<char> buffer) override;
    bool SendLine(std::string_view line) override;

    const std::vector<std::string>& Sent() const { return m_sent; }
    int Reads() const { return m_reads; }
    int Waits() const { return m_waits; }
    long long NowMs() const { return m_nowMs; }
    // Bytes arrived or still to come that no read has taken.
    size_t PendingBytes() const;

private:
    struct Arrival {
        long long atMs;
        std::string bytes;
    };
    void Schedule(long long atMs, std::string bytes);
    // The time of the next thing a read would see: an arrival or the close.
    std::optional<long long> NextEventMs() const;
    void PassTimeTo(long long atMs);

    std::deque<Arrival> m_arrivals; // in time order
    std::deque<Pieces> m_answers;
    Responder m_responder;
    std::function<void(long long ms)> m_onTimePassed;
    std::optional<long long> m_closeAtMs;
    std::vector<std::string> m_sent;
    long long m_nowMs = 0;
    int m_reads = 0;
    int m_waits = 0;
    bool m_failWaits = false;
    bool m_failSends = false;
};
