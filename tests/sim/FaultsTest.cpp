#include "ManagerCuts.h"
#include "SimFixture.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <unistd.h>

class FaultsTest : public SimFixture {
protected:
    void setFaults(const std::function<void(sim::Faults&)>& change) {
        sim::Faults faults = simulator->faults(0);
        change(faults);
        simulator->setFaults(0, faults);
    }
};

TEST_F(FaultsTest, ReplyDelay) {
    SimClient client = loggedIn();
    setFaults([](sim::Faults& faults) { faults.replyDelayMs = 250; });
    const auto started = std::chrono::steady_clock::now();
    client.sendRaw("Ver\r\n");
    EXPECT_EQ(client.readOnce(100), "");                   // nothing yet ...
    EXPECT_EQ(client.readOnce(1000), "+OK Ver 1.7.3\r\n"); // ... then the whole reply
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(240));
}

TEST_F(FaultsTest, SplitRepliesArriveInPiecesThatTheEngineJoins) {
    SimClient client = loggedIn();
    setFaults([](sim::Faults& faults) {
        faults.splitPieces = 3;
        faults.splitGapMs = 80;
    });
    client.sendRaw("Vertex\r\n");
    std::vector<std::string> pieces;
    for (std::string piece; !(piece = client.readOnce(500)).empty();) {
        pieces.push_back(piece);
    }
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0] + pieces[1] + pieces[2], "+OK PORT 9300 MAX 7\r\n");
    // A listing ends in "+OK", so the engine's reading collects all of its pieces.
    EXPECT_EQ(client.exchange("Bind", 500),
              "0||00:0B:CE:01:02:03|9101\r\n1|Sensor||9102\r\n+OK\r\n");
}

TEST_F(FaultsTest, SilentAndFailingWords) {
    SimClient client = loggedIn();
    setFaults([](sim::Faults& faults) {
        faults.silentWords = {"btname"};
        faults.failWords = {"MODE"};
    });
    EXPECT_EQ(client.exchangeOnce("BTName Ignored", 200), "");
    EXPECT_EQ(client.exchange("Mode"), "-ERR Injected failure\r\n");
    EXPECT_EQ(client.exchange("mode vertex"), "-ERR Injected failure\r\n");
    setFaults([](sim::Faults& faults) { faults = {}; });
    EXPECT_EQ(client.exchangeOnce("BTName"), "+OK Velmora42-1\r\n"); // the silent set did nothing
    EXPECT_EQ(client.exchangeOnce("Mode"), "+OK Server Mode\r\n");
}

TEST_F(FaultsTest, CloseAfterCommandsCountsLoginToo) {
    setFaults([](sim::Faults& faults) { faults.closeAfterCommands = 3; });
    SimClient client = loggedIn();
    EXPECT_EQ(client.exchangeOnce("Ver"), "+OK Ver 1.7.3\r\n"); // the third line is answered
    EXPECT_TRUE(client.waitClosed(1000));
}

TEST_F(FaultsTest, UnsolicitedLinesOnlyAfterLogin) {
    setFaults([](sim::Faults& faults) {
        faults.unsolicitedEveryMs = 60;
        faults.unsolicitedText = "EVENT link";
    });
    SimClient client = connect();
    client.readGreeting();
    EXPECT_EQ(client.readOnce(200), "");
    EXPECT_EQ(client.exchangeOnce("User admin"), "+OK Password required\r\n");
    EXPECT_EQ(client.exchangeOnce("Pass velmora"), "+OK User Authenticated\r\n");
    EXPECT_EQ(client.readOnce(500, 12), "EVENT link\r\n");
    EXPECT_EQ(client.readOnce(500, 12), "EVENT link\r\n"); // and again
}

TEST_F(FaultsTest, LongReplyNeedsMoreThanOneRead) {
    SimClient client = loggedIn();
    setFaults([](sim::Faults& faults) { faults.longReplyWords = {"List"}; });
    const std::string reply = client.exchange("List");
    EXPECT_GT(reply.size(), 1000u);
    EXPECT_EQ(reply.substr(reply.size() - 5), "+OK\r\n");
    EXPECT_EQ(reply.find("+OK"), reply.size() - 5);
}

TEST_F(FaultsTest, TranscriptKeepsEveryReceivedLineAndFillsTheFile) {
    char path[] = "/tmp/velmora-sim-transcript-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    ::close(fd);
    auto options = sim::SimulatorOptions::loopback(1);
    options.transcriptPath = path;
    start(options);
    {
        SimClient client = loggedIn();
        client.exchange("Ver");
        client.sendRaw("bad\x01line\r\n");
        client.readOnce(500);
    }
    const std::vector<std::string> expected{"User admin", "Pass velmora", "Ver", "bad\x01line"};
    EXPECT_EQ(simulator->transcript(0), expected);
    simulator->stop();
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"[1] User admin", "[1] Pass velmora", "[1] Ver",
                                               "[1] bad\\x01line"}));
    std::remove(path);
    simulator->clearTranscript(0);
    EXPECT_TRUE(simulator->transcript(0).empty());
}

TEST_F(FaultsTest, KeptTranscriptIsBoundedWhileTheFileGetsEveryLine) {
    char path[] = "/tmp/velmora-sim-transcript-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    ::close(fd);
    auto options = sim::SimulatorOptions::loopback(1);
    options.transcriptPath = path;
    options.transcriptKeptBytes = 20;
    start(options);
    SimClient client = loggedIn();
    client.exchange("Ver");
    // "User admin" gives way: the kept lines would pass 20 bytes with it.
    EXPECT_EQ(simulator->transcript(0), (std::vector<std::string>{"Pass velmora", "Ver"}));
    simulator->stop();
    std::ifstream file(path);
    int lines = 0;
    for (std::string line; std::getline(file, line);) {
        ++lines;
    }
    EXPECT_EQ(lines, 3);
    std::remove(path);
}
