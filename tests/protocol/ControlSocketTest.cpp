#include "protocol/ControlSocket.h"
#include "RecordingLog.h"
#include "protocol/CommandEngine.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "protocol/testing/Loopback.h"

namespace {

// The appliance's end of a loopback connection.
class LoopbackPeer {
public:
    LoopbackPeer() {
        m_listener = BindLoopback(SOCK_STREAM, m_port);
        listen(m_listener, 1);
    }
    ~LoopbackPeer() {
        Close();
        close(m_listener);
    }
    int Port() const { return m_port; }
    void Accept() { m_conn = accept(m_listener, nullptr, nullptr); }
    void Write(std::string_view text) { send(m_conn, text.data(), text.size(), MSG_NOSIGNAL); }
    // Reads one command line and answers it.
    void AnswerOne(std::string answer) {
        std::string line;
        char c;
        while (line.find("\r\n") == std::string::npos && recv(m_conn, &c, 1, 0) == 1)
            line += c;
        Write(answer);
    }
    void Close() {
        if (m_conn >= 0)
            close(m_conn);
        m_conn = -1;
    }

private:
    int m_listener = -1;
    int m_conn = -1;
    int m_port = 0;
};

struct CountingWindow final : IControlSocketListener {
    void OnSocketReceive() override { ++receives; }
    void OnSocketClose() override { ++closes; }
    int receives = 0;
    int closes = 0;
};

// Stands in for the framework: while watching, a message pump calls OnReadable() whenever
// the descriptor is readable.
struct PumpingWatch final : ISocketWatch {
    void WatchReadable(CControlSocket& watched, bool watch) override {
        socket = &watched;
        watching = watch;
    }
    // Pumps for about `ms`; returns how often OnReadable() was called.
    int Pump(int ms) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        int calls = 0;
        while (std::chrono::steady_clock::now() < deadline && calls < 1000) {
            if (!watching) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                continue;
            }
            pollfd entry{socket->WatchFd(), POLLIN, 0};
            if (poll(&entry, 1, 1) > 0) {
                ++calls;
                socket->OnReadable();
            }
        }
        return calls;
    }
    CControlSocket* socket = nullptr;
    bool watching = false;
};

// Waits until the appliance's close has reached the socket.
bool PeerCloseArrived(int fd) {
    pollfd entry{fd, POLLRDHUP, 0};
    return poll(&entry, 1, 2000) > 0;
}

size_t BytesWaiting(int fd) {
    char buffer[64];
    const ssize_t count = recv(fd, buffer, sizeof buffer, MSG_PEEK | MSG_DONTWAIT);
    return count > 0 ? static_cast<size_t>(count) : 0;
}

class ControlSocketTest : public ::testing::Test {
protected:
    void SetUp() override {
        socket.SetNotifyWindow(&window);
        socket.SetWatch(&watch);
        ASSERT_TRUE(socket.Create());
        ASSERT_TRUE(socket.Connect("127.0.0.1", peer.Port()));
        peer.Accept();
    }

    LoopbackPeer peer;
    CountingWindow window;
    PumpingWatch watch;
    CControlSocket socket;
    CRecordingLog log;
    CCommandEngine engine{log};
};

TEST_F(ControlSocketTest, ExchangeOverLoopback) {
    EXPECT_TRUE(watch.watching);
    std::thread appliance([this] { peer.AnswerOne("+OK 1.7\r\n"); });
    EXPECT_EQ(engine.SendCommand(socket, "Ver\r\n", 1), "+OK 1.7\r\n");
    appliance.join();
}

TEST_F(ControlSocketTest, PeerCloseIsReportedOnceWithoutConsumingAnything) {
    peer.Close();
    ASSERT_TRUE(PeerCloseArrived(socket.Fd()));
    EXPECT_EQ(watch.Pump(50), 1);
    EXPECT_EQ(window.closes, 1);
    EXPECT_FALSE(watch.watching);
    EXPECT_FALSE(socket.IsConnected());
    EXPECT_EQ(watch.Pump(20), 0);
    EXPECT_EQ(window.closes, 1);
}

TEST_F(ControlSocketTest, UnaskedBytesStayForTheDrainAndCauseNoBusyLoop) {
    peer.Write("RING\r\n");
    EXPECT_EQ(watch.Pump(50), 1);
    EXPECT_EQ(window.receives, 1);
    EXPECT_EQ(window.closes, 0);
    EXPECT_EQ(BytesWaiting(socket.Fd()), 6u);

    std::thread appliance([this] { peer.AnswerOne("+OK\r\n"); });
    EXPECT_EQ(engine.SendCommand(socket, "Stat\r\n", 1), "+OK\r\n");
    appliance.join();
    EXPECT_EQ(log.events.front(), "RING\r\n");
    EXPECT_TRUE(watch.watching);

    peer.Close();
    ASSERT_TRUE(PeerCloseArrived(socket.Fd()));
    watch.Pump(50);
    EXPECT_EQ(window.closes, 1);
}

// Nobody reads an unasked line while no exchange runs; the appliance's close after it is
// still told, once.
TEST_F(ControlSocketTest, CloseAfterAnUnaskedLineWhileIdleIsReportedOnce) {
    peer.Write("EVENT heartbeat\r\n");
    EXPECT_EQ(watch.Pump(50), 1);
    EXPECT_EQ(window.receives, 1);
    EXPECT_TRUE(watch.watching);
    peer.Close();
    ASSERT_TRUE(PeerCloseArrived(socket.Fd()));
    EXPECT_EQ(watch.Pump(50), 1);
    EXPECT_EQ(window.closes, 1);
    EXPECT_EQ(window.receives, 1);
    EXPECT_FALSE(socket.IsConnected());
    EXPECT_EQ(watch.Pump(20), 0);
}

TEST_F(ControlSocketTest, CloseBehindUnaskedBytesIsReported) {
    peer.Write("BYE\r\n");
    peer.Close();
    ASSERT_TRUE(PeerCloseArrived(socket.Fd()));
    watch.Pump(50);
    EXPECT_EQ(window.closes, 1);
    EXPECT_EQ(window.receives, 0);
}

TEST_F(ControlSocketTest, EndOfStreamDuringAnExchangeIsReportedAfterIt) {
    peer.Close();
    EXPECT_EQ(engine.SendCommand(socket, "Ver\r\n", 0), "");
    EXPECT_EQ(window.closes, 0);
    watch.Pump(50);
    EXPECT_EQ(window.closes, 1);
}

TEST_F(ControlSocketTest, SendAfterThePeerLeftFailsWithoutASignal) {
    peer.Close();
    ASSERT_TRUE(PeerCloseArrived(socket.Fd()));
    bool failed = false;
    for (int i = 0; i < 20 && !failed; ++i) {
        failed = !socket.SendLine("Ver\r\n");
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_TRUE(failed);
}

TEST_F(ControlSocketTest, WaitAndReadReportTimeoutAndEndOfStream) {
    EXPECT_EQ(socket.WaitReadable(0), WaitResult::TimedOut);
    peer.Close();
    EXPECT_EQ(socket.WaitReadable(1), WaitResult::Readable);
    char buffer[8];
    EXPECT_EQ(socket.Read(buffer), 0);
}

TEST_F(ControlSocketTest, WhatAWaitReceivedIsReadInPiecesAndPolledAsWaiting) {
    peer.Write("+OK 1.7\r\n");
    char buffer[5];
    ASSERT_EQ(socket.WaitReadable(1), WaitResult::Readable);
    EXPECT_EQ(socket.Read(buffer), 5);
    EXPECT_EQ(socket.WaitReadable(0), WaitResult::Readable);
    EXPECT_EQ(socket.Read(buffer), 4);
}

TEST_F(ControlSocketTest, ClosingStopsTheWatch) {
    socket.Close();
    EXPECT_FALSE(watch.watching);
    EXPECT_EQ(socket.Fd(), -1);
    EXPECT_EQ(socket.WaitReadable(0), WaitResult::Error);
    EXPECT_FALSE(socket.SendLine("Ver\r\n"));
}

TEST(ControlSocketConnectTest, HostNameAndRefusals) {
    LoopbackPeer peer;
    CControlSocket socket;
    ASSERT_TRUE(socket.Create());
    EXPECT_FALSE(socket.Connect("127.0.0.1", 70000));
    EXPECT_FALSE(socket.Connect("127.0.0.1", -1));
    EXPECT_TRUE(socket.Connect("localhost", peer.Port()));
    EXPECT_FALSE(socket.Connect("localhost", peer.Port())); // already connected

    const int freePort = [] {
        LoopbackPeer closed;
        return closed.Port();
    }();
    CControlSocket refused;
    ASSERT_TRUE(refused.Create());
    EXPECT_FALSE(refused.Connect("127.0.0.1", freePort));
    EXPECT_FALSE(refused.IsConnected());
    EXPECT_GE(refused.Fd(), 0); // stays created, as the search dialog keeps it

    CControlSocket uncreated;
    EXPECT_FALSE(uncreated.Connect("127.0.0.1", peer.Port()));
}

// A listener whose queue is full drops further requests, as a firewall does: the connect
// gives up at its bound, calling back meanwhile, and the socket stays created.
TEST(ControlSocketConnectTest, AnAddressThatNeverAnswersFailsAtTheBound) {
    LoopbackPeer full;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(full.Port()));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::vector<int> waiting;
    for (int i = 0; i < 4; ++i) {
        waiting.push_back(socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0));
        connect(waiting.back(), reinterpret_cast<const sockaddr*>(&address), sizeof address);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    CControlSocket socket;
    ASSERT_TRUE(socket.Create());
    int calls = 0;
    EXPECT_FALSE(socket.Connect(
        "127.0.0.1", full.Port(), [&] { ++calls; }, 200));
    EXPECT_GT(calls, 0);
    EXPECT_FALSE(socket.IsConnected());
    EXPECT_GE(socket.Fd(), 0);
    for (int fd : waiting)
        close(fd);
}

} // namespace
