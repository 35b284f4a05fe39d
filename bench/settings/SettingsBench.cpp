// Save and Load against two simulated appliances on loopback, driven through the scripted
// backend as the tests drive them: Save on appliance A (every query, the file written), then
// Load of that file into appliance B (the file read, B's settings read, the changed settings
// sent, everything read back), B set back to its own values before each load so that every
// load has the same work (its backup written into a folder of the run). Prints the median and
// maximum wall time of each over the runs (20, or the number given as the only argument) and the
// lines each sends. The simulator answers at once, so the figures are the program's own cost plus
// loopback; a real appliance adds its own pace to every exchange.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/ManagerApp.h"
#include "app/ManagerDlg.h"
#include "session/ManagerWindow.h"
#include "settings/LoadSettingsDlg.h"
#include "sim/Simulator.h"
#include "ui/testing/Input.h"
#include "ui/testing/TestBackend.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void Print(const char* what, std::vector<double> times, size_t lines) {
    std::sort(times.begin(), times.end());
    std::printf("%-5s median %7.2f ms  max %7.2f ms  over %zu runs, %zu lines sent each\n", what,
                times[times.size() / 2], times.back(), times.size(), lines);
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    sim::Simulator simulator(sim::SimulatorOptions::loopback(2));
    std::string error;
    if (!simulator.start(&error)) {
        std::fprintf(stderr, "simulator: %s\n", error.c_str());
        return 1;
    }
    // B starts with other values and no live connection, so that its mode may change too.
    simulator.updateState(0, [](sim::ApplianceState& a) {
        a.mode = sim::OperationMode::Client;
        a.btName = "Gateway-1";
        a.repeatIntervalMs = "2500";
    });
    simulator.updateState(1, [](sim::ApplianceState& b) {
        b.registrations = {{"Scale", "9105"}};
        b.dataPort = "9200";
        b.security = "high";
        b.connections.clear();
    });
    const sim::ApplianceState bStart = simulator.state(1);

    CTestBackend backend;
    CManagerApp app(backend);
    std::size_t target = 0;
    backend.OnModal(IDD_SEARCH, [&](CDialog& search) {
        CManagerWindow& main = GetManagerWindow();
        main.m_searchDlg.m_strIP = main.m_searchDlg.m_strIPAddress =
            simulator.controlAddress(target);
        main.m_searchDlg.m_nPort = simulator.controlPort(target);
        main.m_strUserID = "admin";
        main.m_strPassword = "velmora";
        CControlSocket* socket = main.CreateControlSocket();
        if (!socket || !socket->Connect(main.m_searchDlg.m_strIP, main.m_searchDlg.m_nPort) ||
            !main.Login()) {
            std::fprintf(stderr, "could not log in to appliance %zu\n", target);
            std::exit(1);
        }
        search.EndDialog(IDOK);
    });
    backend.OnModal(IDD_LOAD_SETTINGS, [](CDialog& load) {
        ClickButton(load, IDOK);
        ClickButton(load, IDCANCEL);
    });

    const std::string path = "/tmp/velmora42-bench-settings.txt";
    // Each load writes its backup: into a folder of this run, not the user's data folder.
    std::string dataHome = "/tmp/velmora42-bench-data-XXXXXX";
    if (mkdtemp(dataHome.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
    std::vector<double> saves;
    std::vector<double> loads;
    size_t saveLines = 0;
    size_t loadLines = 0;
    backend.OnModal(IDD_MANAGER_DIALOG, [&](CDialog& dialog) {
        backend.Pump();
        for (int run = 0; run < runs; ++run) {
            simulator.clearTranscript(0);
            backend.AnswerNextFileChoice(path);
            const auto saveStart = Clock::now();
            dialog.SendMessage(WM_SYSCOMMAND, IDM_SAVE_SETTINGS);
            saves.push_back(Ms(Clock::now() - saveStart));
            saveLines = simulator.transcript(0).size();

            target = 1;
            dialog.SendMessage(WM_RECONNECT);
            backend.Pump();
            simulator.setState(1, bStart);
            simulator.clearTranscript(1);
            backend.AnswerNextFileChoice(path);
            const auto loadStart = Clock::now();
            dialog.SendMessage(WM_SYSCOMMAND, IDM_LOAD_SETTINGS);
            loads.push_back(Ms(Clock::now() - loadStart));
            loadLines = simulator.transcript(1).size();

            target = 0;
            dialog.SendMessage(WM_RECONNECT);
            backend.Pump();
        }
        dialog.PostMessage(WM_CLOSE);
        backend.Pump();
    });
    CDiscoveryTarget discovery;
    discovery.address = "127.0.0.1";
    discovery.port = 9; // discard: nothing answers
    app.InitInstance(discovery);
    std::filesystem::remove_all(dataHome);
    if (saves.empty()) {
        std::fprintf(stderr, "the main window closed before the runs\n");
        return 1;
    }
    Print("save", saves, saveLines);
    Print("load", loads, loadLines);
    std::printf("(%zu message boxes shown)\n", backend.MessageBoxes().size());
    return 0;
}
