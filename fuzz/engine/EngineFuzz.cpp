// Feeds arbitrary replies, cut into arbitrary pieces with arbitrary gaps, through the command
// engine, the log pane rule and the command list, and checks what must hold for any input.

#include "protocol/CommandEngine.h"
#include "protocol/CommandList.h"
#include "protocol/LogPaneText.h"
#include "protocol/testing/ScriptedChannel.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

class PaneLog final : public ICommandLog {
public:
    void AppendLog(std::string_view text) override { pane.Append(text); }
    void RepaintNow() override {}
    CLogPaneText pane;
};

// Reads the input front to back; past its end every value is 0.
class Input {
public:
    Input(const std::uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool Empty() const { return m_at >= m_size; }
    std::uint8_t Byte() { return Empty() ? 0 : m_data[m_at++]; }
    std::string Bytes(size_t count) {
        const size_t take = std::min(count, m_size - std::min(m_at, m_size));
        std::string bytes(reinterpret_cast<const char*>(m_data + m_at), take);
        m_at += take;
        return bytes;
    }

private:
    const std::uint8_t* m_data;
    size_t m_size;
    size_t m_at = 0;
};

void Require(bool holds) {
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    Input input(data, size);
    PaneLog log;
    CScriptedChannel channel;
    CCommandEngine engine(log);
    if (input.Byte() % 2 == 0)
        channel.Arrive(input.Bytes(input.Byte() * 8u));
    while (!input.Empty()) {
        const int timeout = input.Byte() % 4;
        CScriptedChannel::Pieces pieces;
        for (int count = input.Byte() % 16; count > 0; --count)
            pieces.push_back({input.Byte() * 20, input.Bytes(input.Byte() * 4u)});
        channel.Answer(pieces);
        const int readsBefore = channel.Reads();
        const std::string reply = engine.SendCommand(channel, "help\r\n", timeout);

        // The drain reads until nothing waits, up to its limit; the reply takes one read or
        // gathers pieces up to its own limit.
        const int reads = channel.Reads() - readsBefore;
        const int drainReads = (CCommandEngine::kDrainLimit + CCommandEngine::kReadLimit - 1) /
                               CCommandEngine::kReadLimit;
        const size_t replyLimit = timeout == 0 ? CCommandEngine::kReadLimit
                                               : static_cast<size_t>(CCommandEngine::kReplyLimit);
        Require(timeout != 0 || reads <= drainReads + 1);
        Require(reply.size() <= replyLimit);
        Require(reply.find('\0') == std::string::npos);
        Require(log.pane.LineCount() <= CLogPaneText::kMaxLines);
        const std::string list = CommandListFromHelpReply(reply);
        Require(list.find_first_of("\r\n") == std::string::npos);
        Require(reply.compare(0, list.size(), list) == 0);
        CommandListHas(list, "kato");
        channel.Advance(input.Byte() * 100);
    }
    return 0;
}
