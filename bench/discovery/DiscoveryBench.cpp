// Discovery at scale: the search dialog's discovery, rendered by Qt on the offscreen
// platform, against 250 and 1000 simulated appliances (127.0.0.2 upward) that answer at once
// or each within 100 ms, inside a private network namespace so that the broadcast stays
// there. Prints for every search the rows listed of the replies sent, the datagrams the
// kernel dropped for a full receive buffer (Udp RcvbufErrors of the namespace), the buffer
// granted and how long the search took; once with the 4 MiB the dialog asks for, once with
// the 208 KiB a system at its defaults grants an unprivileged process.
//
//   bench_discovery   (as root; it runs itself again through scripts/in-netns)

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "PrivateNetwork.h"
#include "discovery/UdpSocket.h"
#include "session/SearchDlg.h"
#include "sim/Simulator.h"
#include "sim/Socket.h"
#include "ui/Application.h"
#include "ui/ListViewCtrl.h"
#include "ui/qt/QtBackend.h"

namespace {

constexpr int kSearchesPerRun = 3;

// One counter of the "Udp:" lines of /proc/net/snmp (names, then values).
long UdpCounter(const std::string& name) {
    std::ifstream snmp("/proc/net/snmp");
    std::vector<std::vector<std::string>> udp;
    for (std::string line; std::getline(snmp, line);) {
        if (line.rfind("Udp: ", 0) != 0)
            continue;
        std::istringstream words(line);
        udp.emplace_back();
        for (std::string word; words >> word;)
            udp.back().push_back(word);
    }
    if (udp.size() < 2)
        return -1;
    for (std::size_t i = 1; i < udp[0].size() && i < udp[1].size(); ++i)
        if (udp[0][i] == name)
            return std::stol(udp[1][i]);
    return -1;
}

// What an unprivileged process gets on a system left at its defaults (net.core.rmem_max).
constexpr int kDefaultReceiveBuffer = 212992;

void Run(CQtBackend& backend, int devices, int spreadMs, int receiveBufferWanted) {
    sim::SimulatorOptions options = sim::SimulatorOptions::standard(devices);
    options.discoverySpreadMs = spreadMs;
    options.transcriptKeptBytes = 0;
    sim::Simulator appliances(options);
    std::string error;
    if (!appliances.start(&error)) {
        std::printf("%4d appliances: the simulator did not start: %s\n", devices, error.c_str());
        return;
    }
    CUdpSocket* socket = nullptr;
    CDiscoveryTarget target;
    target.makeSocket = [&socket, receiveBufferWanted] {
        auto made = std::make_unique<CUdpSocket>(receiveBufferWanted);
        socket = made.get();
        return made;
    };
    CSearchDlg search(std::move(target));
    backend.OnModalShown([&](CDialog& dialog) {
        for (int i = 0; i < kSearchesPerRun; ++i) {
            const long dropsBefore = UdpCounter("RcvbufErrors");
            const auto started = std::chrono::steady_clock::now();
            search.Discover();
            const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now() - started);
            const int found = dialog.Item<CListViewCtrl>(IDC_DEVICE_LIST).GetItemCount();
            std::printf("%4d appliances, spread %3d ms: found %4d/%d, receive-buffer drops %ld, "
                        "buffer %d bytes, %lld ms\n",
                        devices, spreadMs, found, devices, UdpCounter("RcvbufErrors") - dropsBefore,
                        socket ? socket->ReceiveBufferBytes() : 0,
                        static_cast<long long>(took.count()));
            std::fflush(stdout);
        }
        dialog.EndDialog(IDCANCEL);
    });
    search.DoModal();
}

} // namespace

int main(int argc, char** argv) {
    if (!InPrivateNetwork()) {
        if (std::getenv("VELMORA_NETNS")) {
            std::fprintf(stderr, "bench_discovery: not in the namespace VELMORA_NETNS names\n");
            return 1;
        }
        std::vector<char*> again{const_cast<char*>(VELMORA_IN_NETNS)};
        again.insert(again.end(), argv, argv + argc);
        again.push_back(nullptr);
        execv(VELMORA_IN_NETNS, again.data());
        std::perror("bench_discovery: " VELMORA_IN_NETNS);
        return 1;
    }
    sim::raiseOpenFileLimit();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    CQtBackend backend;
    CApplication app(backend);
    app.SetAppName("Velmora42 Manager");
    for (const int buffer : {CUdpSocket::kReceiveBufferWanted, kDefaultReceiveBuffer})
        for (const int devices : {250, 1000})
            for (const int spreadMs : {0, 100})
                Run(backend, devices, spreadMs, buffer);
    return 0;
}
