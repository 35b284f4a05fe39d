#include "protocol/CommandEngine.h"
#include "RecordingLog.h"
#include "protocol/testing/ScriptedChannel.h"

#include <gtest/gtest.h>

namespace {

using Events = std::vector<std::string>;

class CommandEngineTest : public ::testing::Test {
protected:
    std::string Send(std::string_view command, int timeout, std::string_view logText = {}) {
        return engine.SendCommand(channel, command, timeout, logText);
    }

    CRecordingLog log;
    CScriptedChannel channel;
    CCommandEngine engine{log};
};

TEST_F(CommandEngineTest, ReplyInOnePieceEndsAfterOneRead) {
    channel.Answer("+OK\r\n");
    EXPECT_EQ(Send("Ver\r\n", 1), "+OK\r\n");
    EXPECT_EQ(channel.Reads(), 1);
    EXPECT_EQ(channel.Sent(), std::vector<std::string>{"Ver\r\n"});
    EXPECT_EQ(log.events, (Events{"Ver\r\n", "<repaint>", "+OK\r\n"}));
    EXPECT_EQ(log.pane.Text(), "Ver\r\n+OK\r\n");
}

TEST_F(CommandEngineTest, MarkSplitOverPiecesIsFound) {
    channel.Answer({{0, "+O"}, {900, "K\r\n"}});
    EXPECT_EQ(Send("Mode\r\n", 1), "+OK\r\n");
    EXPECT_EQ(channel.Reads(), 2);

    channel.Answer({{0, "-E"}, {500, "RR\r\n"}, {500, "+OK\r\n"}});
    EXPECT_EQ(Send("Port 70000\r\n", 1), "-ERR\r\n");
    EXPECT_EQ(channel.Reads(), 4);
}

TEST_F(CommandEngineTest, SilenceReturnsPartialReplyUnlogged) {
    channel.Answer("Server");
    EXPECT_EQ(Send("Mode\r\n", 2), "Server");
    EXPECT_EQ(log.events, (Events{"Mode\r\n", "<repaint>"}));
    EXPECT_EQ(channel.NowMs(), 2000);
}

TEST_F(CommandEngineTest, ErrEndsTheExchangeAndIsLogged) {
    channel.Answer({{0, "-ERR unknown\r\n"}, {100, "+OK\r\n"}});
    EXPECT_EQ(Send("kato 30 10 3\r\n", 1), "-ERR unknown\r\n");
    EXPECT_EQ(channel.Reads(), 1);
    EXPECT_EQ(log.events.back(), "-ERR unknown\r\n");
}

TEST_F(CommandEngineTest, NoDataGivesEmptyReplyAndLogsOnlyTheCommand) {
    EXPECT_EQ(Send("Stat\r\n", 3), "");
    EXPECT_EQ(log.events, (Events{"Stat\r\n", "<repaint>"}));
    EXPECT_EQ(channel.Reads(), 0);
    EXPECT_EQ(channel.NowMs(), 3000);
}

TEST_F(CommandEngineTest, UnaskedTextIsDrainedAndLoggedBeforeTheCommand) {
    channel.Arrive("CONNECT 00:11:22:33:44:55\r\n");
    channel.Answer("+OK 1.7\r\n");
    EXPECT_EQ(Send("Ver\r\n", 1), "+OK 1.7\r\n");
    EXPECT_EQ(log.events,
              (Events{"CONNECT 00:11:22:33:44:55\r\n", "Ver\r\n", "<repaint>", "+OK 1.7\r\n"}));
}

TEST_F(CommandEngineTest, LateRestOfATimedOutReplyGoesToTheNextDrainNotItsReply) {
    channel.Answer({{0, "+O"}, {3000, "K late\r\n"}});
    EXPECT_EQ(Send("route\r\n", 1), "+O");
    channel.Advance(5000);
    channel.Answer("+OK Server Mode\r\n");
    EXPECT_EQ(Send("Mode\r\n", 1), "+OK Server Mode\r\n");
    EXPECT_EQ(log.events, (Events{"route\r\n", "<repaint>", "K late\r\n", "Mode\r\n", "<repaint>",
                                  "+OK Server Mode\r\n"}));
}

TEST_F(CommandEngineTest, TimeoutZeroTakesExactlyOneRead) {
    channel.Answer({{0, "Server"}, {10, " Mode\r\n+OK\r\n"}});
    EXPECT_EQ(Send("Mode\r\n", 0), "Server");
    EXPECT_EQ(channel.Reads(), 1);
    EXPECT_EQ(log.events.back(), "Server");
}

TEST_F(CommandEngineTest, TimeoutZeroReplyHoldsNoBytesOfALongerDrain) {
    channel.Arrive(std::string(900, 'x'));
    channel.Answer("+OK\r\n");
    EXPECT_EQ(Send("Maxdt\r\n", 0), "+OK\r\n");
    EXPECT_EQ(log.events.front(), std::string(900, 'x'));
}

// 65 reads of 1000 bytes, then the 536 up to the limit.
std::vector<size_t> EndlessDrain() {
    std::vector<size_t> sizes(65, 1000);
    sizes.push_back(536);
    return sizes;
}

// Whatever waits before a command is read away, a read at a time and each read logged, so
// that none of it starts the reply; only an endless sender is cut off at the drain's limit.
TEST_F(CommandEngineTest, DrainReadsEverythingWaitingUpToItsLimit) {
    const struct {
        const char* what;
        std::string waiting;
        int timeout;
        std::vector<size_t> logged; // sizes of the drain's log pieces
        std::string reply;
    } kCases[] = {
        {"more than one read", std::string(1500, 'x'), 1, {1000, 500}, "+OK\r\n"},
        {"more than one read, time-out 0", std::string(2100, 'x'), 0, {1000, 1000, 100}, "+OK\r\n"},
        {"a stale tail with its own mark",
         std::string(2500, 'x') + "\r\n+OK\r\n",
         1,
         {1000, 1000, 507},
         "+OK\r\n"},
        {"a read of zero bytes, not logged", std::string(1000, '\0') + "rest", 1, {4}, "+OK\r\n"},
        {"an endless sender", std::string(CCommandEngine::kDrainLimit + 10, 'x'), 1, EndlessDrain(),
         std::string(10, 'x') + "+OK\r\n"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        log.events.clear();
        channel.Arrive(c.waiting);
        channel.Answer("+OK\r\n");
        EXPECT_EQ(Send("Pair\r\n", c.timeout), c.reply);
        std::vector<size_t> drained;
        for (const std::string& event : log.events) {
            if (event == "Pair\r\n")
                break;
            drained.push_back(event.size());
        }
        EXPECT_EQ(drained, c.logged);
        EXPECT_EQ(channel.PendingBytes(), 0u);
    }
}

// Gathered until the mark, however many pieces; no wait after it, no tail for the next reply.
TEST_F(CommandEngineTest, ReplyIsGatheredUntilItsMarkWithinTheSizeLimit) {
    CScriptedChannel::Pieces pieces;
    std::string rows;
    for (int i = 0; i < 300; ++i) {
        pieces.push_back({100, std::to_string(i) + "|0|9101|00:0B:CE:30:00:01|Printer|0\r\n"});
        rows += pieces.back().bytes;
    }
    pieces.push_back({100, "+OK\r\n"});
    const std::string flood(CCommandEngine::kReplyLimit, 'x');
    const struct {
        const char* what;
        CScriptedChannel::Pieces pieces;
        std::string reply; // empty: timed out, not logged
        long long elapsedMs;
    } kCases[] = {
        {"300 rows, a piece each", pieces, rows + "+OK\r\n", 30100},
        {"the mark 30 ms after the rows", {{0, rows}, {30, "+OK\r\n"}}, rows + "+OK\r\n", 30},
        {"more than the largest reply", {{0, flood + "+OK\r\n"}}, "", 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        const long long start = channel.NowMs();
        channel.Answer(c.pieces);
        EXPECT_EQ(Send("List\r\n", 1), c.reply);
        EXPECT_EQ(channel.NowMs() - start, c.elapsedMs);
        EXPECT_EQ(log.events.back(), c.reply.empty() ? "<repaint>" : c.reply);
        channel.Answer("+OK\r\n");
        EXPECT_EQ(Send("Ver\r\n", 1), "+OK\r\n");
    }
}

TEST_F(CommandEngineTest, ReadsTakeAtMostAThousandBytes) {
    channel.Answer(std::string(2500, 'y') + "+OK\r\n");
    EXPECT_EQ(Send("ngbrh\r\n", 2).size(), 2505u);
    EXPECT_EQ(channel.Reads(), 3);
}

TEST_F(CommandEngineTest, WaitErrorGivesEmptyReplyAndLogsNothingMore) {
    channel.FailWaits(true);
    channel.Answer("+OK\r\n");
    EXPECT_EQ(Send("disc 1\r\n", 3), "");
    EXPECT_EQ(log.events, (Events{"disc 1\r\n", "<repaint>"}));
}

TEST_F(CommandEngineTest, WaitErrorAfterAPieceStillGivesEmptyReply) {
    channel.Answer("Ser");
    // The drain's wait and the first wait succeed; the wait after the first piece fails.
    struct FailSecondWait : IChannel {
        CScriptedChannel& inner;
        int waits = 0;
        explicit FailSecondWait(CScriptedChannel& c) : inner(c) {}
        WaitResult WaitReadable(int s) override {
            return ++waits == 3 ? WaitResult::Error : inner.WaitReadable(s);
        }
        std::ptrdiff_t Read(std::span<char> b) override { return inner.Read(b); }
        bool SendLine(std::string_view l) override { return inner.SendLine(l); }
    } failing(channel);
    EXPECT_EQ(engine.SendCommand(failing, "Serv\r\n", 1), "");
    EXPECT_EQ(log.events, (Events{"Serv\r\n", "<repaint>"}));
}

TEST_F(CommandEngineTest, TimeoutZeroWithoutAnswerReturnsEmptyAfterTenSeconds) {
    channel.Answer({{11000, "+OK Password required\r\n"}});
    EXPECT_EQ(Send("User admin\r\n", 0), "");
    EXPECT_EQ(channel.NowMs(), 10000);
    EXPECT_EQ(channel.Reads(), 0);
    EXPECT_EQ(log.events, (Events{"User admin\r\n", "<repaint>"}));

    channel.Advance(5000);
    channel.Answer("+OK\r\n");
    EXPECT_EQ(Send("Reboot\r\n", 0), "+OK\r\n");
    EXPECT_EQ(log.events[2], "+OK Password required\r\n");
}

TEST_F(CommandEngineTest, ReplacementTextIsLoggedInPlaceOfTheLineSent) {
    channel.Answer("+OK User Authenticated\r\n");
    Send("Pass secret\r\n", 0, "Pass ********\r\n");
    EXPECT_EQ(channel.Sent(), std::vector<std::string>{"Pass secret\r\n"});
    EXPECT_EQ(log.pane.Text(), "Pass ********\r\n+OK User Authenticated\r\n");
}

TEST_F(CommandEngineTest, FailedSendTimesOut) {
    channel.FailSends(true);
    channel.SetResponder([](std::string_view) { return CScriptedChannel::Pieces{{0, "+OK\r\n"}}; });
    EXPECT_EQ(Send("Scan\r\n", 1), "");
    EXPECT_EQ(Send("Scan\r\n", 0), "");
}

TEST_F(CommandEngineTest, EndOfStreamGivesEmptyReplyWithoutHanging) {
    channel.CloseStream();
    EXPECT_EQ(Send("Ver\r\n", 1), "");
    EXPECT_EQ(channel.Reads(), 1 + 1); // the drain, then the one read that met the end
    EXPECT_EQ(Send("Mode\r\n", 0), "");
}

TEST_F(CommandEngineTest, ZeroByteEndsTheTextOfARead) {
    channel.Answer(std::string("+OK\0tail\r\n", 10));
    EXPECT_EQ(Send("Linkto\r\n", 1), "+OK");
}

TEST_F(CommandEngineTest, ExchangePushingThePanePastFiveHundredLinesClearsIt) {
    for (int i = 0; i < 498; ++i)
        log.pane.Append("x\r\n");
    channel.Answer("+OK\r\n");
    Send("Ver\r\n", 1);
    EXPECT_EQ(log.pane.Text(), "");
}

TEST_F(CommandEngineTest, GreetingIsOneReadOfAtMostHundredBytesNotLogged) {
    channel.Arrive(std::string(100, 'g') + "REST\r\n");
    EXPECT_EQ(engine.ReadGreeting(channel), std::string(100, 'g'));
    EXPECT_TRUE(log.events.empty());

    channel.Answer("+OK Password required\r\n");
    EXPECT_EQ(Send("User admin\r\n", 0), "+OK Password required\r\n");
    EXPECT_EQ(log.events.front(), "REST\r\n");
}

TEST_F(CommandEngineTest, MissingGreetingGivesEmptyTextAfterTenSeconds) {
    EXPECT_EQ(engine.ReadGreeting(channel), "");
    EXPECT_EQ(channel.NowMs(), 10000);
}

} // namespace
