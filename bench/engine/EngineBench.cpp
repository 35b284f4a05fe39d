// Cost of the command engine over a loopback connection, against a minimal blocking client
// doing the same send, wait and read loop. The peer answers each line at once with one
// "+OK" line. Prints microseconds per exchange for both, their ratio, and the engine's
// per-exchange time over the first and the last thousand exchanges (the log pane's 500-line
// rule keeps it from growing), and the same for the main window's SendCommand on the scripted
// backend (blocking scope, repaint, log edit). Exits with status 3 when the main window's
// median exchange takes more than 1.03 times the minimal client's.

#include "app/ManagerApp.h"
#include "app/ManagerDlg.h"
#include "protocol/CommandEngine.h"
#include "protocol/ControlSocket.h"
#include "protocol/LogPaneText.h"
#include "ui/testing/TestBackend.h"

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <cstdio>
#include <netinet/in.h>
#include <numeric>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "protocol/testing/Loopback.h"

namespace {

constexpr int kExchanges = 10000;
constexpr int kWarmUp = 1000;
constexpr int kSlice = 1000;
constexpr int kBlock = 100;
// The main window's exchange against the minimal client's, by their medians: other programs
// on the machine stretch single exchanges of either, which the medians leave out.
constexpr double kGoalRatio = 1.03;
constexpr char kCommand[] = "Ver\r\n";
constexpr char kAnswer[] = "+OK 1.7 Velmora42\r\n";

using Clock = std::chrono::steady_clock;

// The log pane as the main dialog keeps it.
class PaneLog final : public ICommandLog {
public:
    void AppendLog(std::string_view text) override { m_pane.Append(text); }
    void RepaintNow() override {}

private:
    CLogPaneText m_pane;
};

// Answers every line at once. One thread serves both connections, so that both clients meet
// the same wake-up path (a thread of its own per connection lets the scheduler place them
// differently, which costs far more than anything measured here).
class AnsweringPeer {
public:
    AnsweringPeer() {
        m_listener = BindLoopback(SOCK_STREAM, m_port);
        listen(m_listener, 4);
    }
    ~AnsweringPeer() {
        if (m_thread.joinable())
            m_thread.join();
        close(m_listener);
    }
    int Port() const { return m_port; }
    // Takes the connection a client has just opened.
    void Accept() { m_conns.push_back(accept(m_listener, nullptr, nullptr)); }
    // Serves the accepted connections until every client has closed.
    void Start() {
        m_thread = std::thread([this] { Serve(); });
    }

private:
    void Serve() {
        std::vector<pollfd> entries;
        for (const int conn : m_conns)
            entries.push_back(pollfd{conn, POLLIN, 0});
        std::vector<std::string> pending(entries.size());
        size_t open = entries.size();
        char buffer[1024];
        while (open > 0 && poll(entries.data(), entries.size(), -1) > 0) {
            for (size_t i = 0; i < entries.size(); ++i) {
                if (entries[i].fd < 0 || entries[i].revents == 0)
                    continue;
                const ssize_t count = recv(entries[i].fd, buffer, sizeof buffer, 0);
                if (count <= 0) {
                    close(entries[i].fd);
                    entries[i].fd = -1;
                    --open;
                    continue;
                }
                pending[i].append(buffer, static_cast<size_t>(count));
                size_t end;
                while ((end = pending[i].find("\r\n")) != std::string::npos) {
                    pending[i].erase(0, end + 2);
                    send(entries[i].fd, kAnswer, sizeof kAnswer - 1, MSG_NOSIGNAL);
                }
            }
        }
    }

    int m_listener = -1;
    int m_port = 0;
    std::vector<int> m_conns;
    std::thread m_thread;
};

// The least a client can do: send the line, then wait and read until the mark is there.
class MinimalClient {
public:
    explicit MinimalClient(int port) {
        m_fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<uint16_t>(port));
        connect(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    }
    ~MinimalClient() { close(m_fd); }

    std::string Exchange() {
        send(m_fd, kCommand, sizeof kCommand - 1, MSG_NOSIGNAL);
        std::string reply;
        char buffer[1001];
        while (reply.find("+OK") == std::string::npos) {
            pollfd entry{m_fd, POLLIN, 0};
            if (poll(&entry, 1, 1000) <= 0)
                break;
            const ssize_t count = recv(m_fd, buffer, 1000, 0);
            if (count <= 0)
                break;
            reply.append(buffer, static_cast<size_t>(count));
        }
        return reply;
    }

private:
    int m_fd = -1;
};

// Times one exchange in microseconds.
template <class Exchange> double Time(Exchange& exchange, size_t& replyBytes) {
    const Clock::time_point start = Clock::now();
    replyBytes += exchange().size();
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

double Mean(const std::vector<double>& values, size_t first, size_t count) {
    return std::accumulate(values.begin() + static_cast<std::ptrdiff_t>(first),
                           values.begin() + static_cast<std::ptrdiff_t>(first + count), 0.0) /
           static_cast<double>(count);
}

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

} // namespace

int main() {
    AnsweringPeer peer;
    MinimalClient client(peer.Port());
    peer.Accept();
    CControlSocket socket;
    if (!socket.Create() || !socket.Connect("127.0.0.1", peer.Port())) {
        std::fprintf(stderr, "cannot connect to the loopback peer\n");
        return 1;
    }
    peer.Accept();
    // The main window's own SendCommand: blocking scope, repaint and the edit control of the
    // log pane, on the scripted backend.
    CTestBackend backend;
    CManagerApp app(backend);
    CManagerDlg window;
    CControlSocket* windowSocket = window.CreateControlSocket();
    if (!windowSocket || !windowSocket->Connect("127.0.0.1", peer.Port())) {
        std::fprintf(stderr, "cannot connect to the loopback peer\n");
        return 1;
    }
    peer.Accept();
    peer.Start();
    PaneLog log;
    CCommandEngine engine(log);

    auto minimalExchange = [&] { return client.Exchange(); };
    auto engineExchange = [&] { return engine.SendCommand(socket, kCommand, 1); };
    auto windowExchange = [&] { return window.SendCommand(kCommand, 1); };
    size_t replyBytes = 0;
    for (int i = 0; i < kWarmUp; ++i)
        Time(minimalExchange, replyBytes), Time(engineExchange, replyBytes),
            Time(windowExchange, replyBytes);

    // The two run in alternating blocks, so that both meet the same machine conditions.
    std::vector<double> minimal(kExchanges);
    std::vector<double> engineTimes(kExchanges);
    std::vector<double> windowTimes(kExchanges);
    for (int block = 0; block < kExchanges; block += kBlock) {
        for (int i = block; i < block + kBlock; ++i)
            minimal[i] = Time(minimalExchange, replyBytes);
        for (int i = block; i < block + kBlock; ++i)
            engineTimes[i] = Time(engineExchange, replyBytes);
        for (int i = block; i < block + kBlock; ++i)
            windowTimes[i] = Time(windowExchange, replyBytes);
    }
    socket.Close();
    window.DeleteControlSocket();

    const size_t expected = 3 * (kWarmUp + kExchanges) * (sizeof kAnswer - 1);
    if (replyBytes != expected) {
        std::fprintf(stderr, "replies incomplete: %zu of %zu bytes\n", replyBytes, expected);
        return 1;
    }
    const double engineMean = Mean(engineTimes, 0, kExchanges);
    const double minimalMean = Mean(minimal, 0, kExchanges);
    const double engineMedian = Median(engineTimes);
    const double minimalMedian = Median(minimal);
    std::printf("exchanges per client              %d (after %d warm-up, blocks of %d)\n",
                kExchanges, kWarmUp, kBlock);
    std::printf("SendCommand (T=1, log pane)       mean %.2f us, median %.2f us per exchange\n",
                engineMean, engineMedian);
    std::printf("minimal send/poll/recv client     mean %.2f us, median %.2f us per exchange\n",
                minimalMean, minimalMedian);
    std::printf("ratio engine/minimal              mean %.3f, median %.3f\n",
                engineMean / minimalMean, engineMedian / minimalMedian);
    const double windowMean = Mean(windowTimes, 0, kExchanges);
    const double windowMedian = Median(windowTimes);
    std::printf("main window SendCommand (log edit) mean %.2f us, median %.2f us per exchange\n",
                windowMean, windowMedian);
    const double windowRatio = windowMedian / minimalMedian;
    std::printf("ratio main window/minimal         mean %.3f, median %.3f (goal: median <= %.2f)\n",
                windowMean / minimalMean, windowRatio, kGoalRatio);
    std::printf("main window first %d / last %d  %.2f / %.2f us per exchange\n", kSlice, kSlice,
                Mean(windowTimes, 0, kSlice), Mean(windowTimes, kExchanges - kSlice, kSlice));
    std::printf("engine first %d / last %d       %.2f / %.2f us per exchange\n", kSlice, kSlice,
                Mean(engineTimes, 0, kSlice), Mean(engineTimes, kExchanges - kSlice, kSlice));
    std::printf("minimal first %d / last %d      %.2f / %.2f us per exchange\n", kSlice, kSlice,
                Mean(minimal, 0, kSlice), Mean(minimal, kExchanges - kSlice, kSlice));
    std::printf("goal %s\n", windowRatio <= kGoalRatio ? "met" : "NOT met");
    return windowRatio <= kGoalRatio ? 0 : 3;
}
