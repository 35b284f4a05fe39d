#include "protocol/CommandEngine.h"

#include <algorithm>
#include <cstring>

namespace {

// The reply is complete as soon as one of the marks occurs anywhere in it. Only the text
// from a few characters before the newest piece can hold a mark not seen before.
bool HasEndMark(const std::string& reply, size_t searchedUpTo) {
    const size_t from = searchedUpTo > 3 ? searchedUpTo - 3 : 0;
    return reply.find("+OK", from) != std::string::npos ||
           reply.find("-ERR", from) != std::string::npos;
}

} // namespace

CCommandEngine::CCommandEngine(ICommandLog& log) : m_log(log) {}

std::string CCommandEngine::SendCommand(IChannel& channel, std::string_view command,
                                        int timeoutSeconds, std::string_view logText) {
    Drain(channel);
    m_log.AppendLog(logText.empty() ? command : logText);
    m_log.RepaintNow();
    if (timeoutSeconds <= 0)
        return SendAndReadOnce(channel, command);
    return SendAndGather(channel, command, timeoutSeconds);
}

std::string CCommandEngine::ReadGreeting(IChannel& channel) {
    if (channel.WaitReadable(kFirstByteLimitSeconds) != WaitResult::Readable)
        return {};
    return std::string(ReadText(channel, kGreetingLimit));
}

// Unasked text and late pieces of earlier replies are logged here, never put in a reply: the
// drain reads until nothing waits (the rest of a reply that timed out is often several reads
// long), each read logged as it comes, at most kDrainLimit bytes.
void CCommandEngine::Drain(IChannel& channel) {
    int drained = 0;
    while (drained < kDrainLimit && channel.WaitReadable(0) == WaitResult::Readable) {
        int bytesRead = 0;
        const std::string_view unasked =
            ReadText(channel, std::min(kReadLimit, kDrainLimit - drained), &bytesRead);
        if (bytesRead == 0)
            return; // end of stream or a failed read: nothing more will come out now
        if (!unasked.empty())
            m_log.AppendLog(unasked);
        drained += bytesRead;
    }
}

// The reply is what one read delivers, mark or not. An appliance that never answers must
// not hold the program forever, so the first byte is awaited only for a bounded time.
std::string CCommandEngine::SendAndReadOnce(IChannel& channel, std::string_view command) {
    // A failed send is not acted on: the reply then times out.
    channel.SendLine(command);
    if (channel.WaitReadable(kFirstByteLimitSeconds) != WaitResult::Readable)
        return {};
    std::string reply(ReadText(channel, kReadLimit));
    if (!reply.empty())
        m_log.AppendLog(reply);
    return reply;
}

// The time-out bounds the silence between two pieces, not the whole exchange, so a listing
// in any number of pieces arrives whole and no tail of it is left to meet the next command.
// Silence returns what has come so far, unlogged. A read that takes nothing (the end of the
// stream) ends the reply as a mark does, since no more will come.
std::string CCommandEngine::SendAndGather(IChannel& channel, std::string_view command,
                                          int timeoutSeconds) {
    channel.SendLine(command);
    std::string reply;
    int taken = 0;
    for (;;) {
        const WaitResult ready = channel.WaitReadable(timeoutSeconds);
        if (ready == WaitResult::Error)
            return {};
        if (ready == WaitResult::TimedOut)
            return reply;
        const size_t before = reply.size();
        int bytesRead = 0;
        reply += ReadText(channel, std::min(kReadLimit, kReplyLimit - taken), &bytesRead);
        taken += bytesRead;
        if (bytesRead == 0 || HasEndMark(reply, before))
            break;
        // An appliance that never stops sending must not hold the program: the reply it
        // leaves unfinished is taken for a time-out, not shown or parsed.
        if (taken == kReplyLimit)
            return {};
    }
    if (!reply.empty())
        m_log.AppendLog(reply);
    return reply;
}

// The buffer is handled as C text: a zero byte from the appliance ends the text of that read.
std::string_view CCommandEngine::ReadText(IChannel& channel, int limit, int* bytesRead) {
    const std::ptrdiff_t count =
        channel.Read(std::span<char>(m_buffer.data(), static_cast<size_t>(limit)));
    if (count <= 0)
        return {};
    const size_t bytes = std::min(static_cast<size_t>(count), static_cast<size_t>(limit));
    if (bytesRead)
        *bytesRead = static_cast<int>(bytes);
    m_buffer[bytes] = '\0';
    return std::string_view(m_buffer.data(), std::strlen(m_buffer.data()));
}
