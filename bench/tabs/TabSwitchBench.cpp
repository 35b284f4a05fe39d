// The time from a tab click to its page showing the appliance's values, for each of the six
// pages, and from Connect in the search dialog to the main window showing its first page,
// against the simulator on loopback, rendered by Qt (offscreen unless QT_QPA_PLATFORM says
// otherwise). The application runs 20 times (or as often as the only argument says): each run
// types the simulator's address into the search dialog, presses Connect, logs in through the
// login dialog, and once the main window is up clicks the tabs 1 to 5 and then 0, each from
// the one before, so that every click refreshes its page. A sample ends when the click (or
// Connect) has been handled and the events it left behind (the page shown, its controls
// painted) have been processed. Connect starts with the search dialog's one-second discovery
// window, so the time from the login dialog's OK to the same populated window is printed as
// well. Prints the median and the maximum of each, in milliseconds, against the goal of 50 ms
// for every tab, and exits with status 3 when a tab misses it. The simulator runs in this
// process.

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "../common/StopWhenOverdue.h"
#include "app/ManagerApp.h"
#include "app/ManagerDlg.h"
#include "session/LoginDlg.h"
#include "session/SearchDlg.h"
#include "sim/Simulator.h"
#include "ui/ButtonCtrl.h"
#include "ui/EditCtrl.h"
#include "ui/TabCtrl.h"
#include "ui/qt/QtBackend.h"

namespace {

constexpr int kTabs = 6;
constexpr double kGoalMs = 50;
constexpr std::array<const char*, kTabs> kPageNames = {
    "Operation Mode", "Bluetooth", "Connections", "Neighborhoods", "Repeater", "Information"};

struct Samples {
    std::vector<double> connect;
    std::vector<double> login;
    std::array<std::vector<double>, kTabs> tabs;
};

// What a person's typing and clicking come to: the controls' own input entry points.
void Type(CDialog& dialog, int id, const std::string& text) {
    auto& edit = dialog.Item<CEditCtrl>(id);
    edit.SetFocus();
    edit.OnTextEdited(text);
}

void Click(CDialog& dialog, int id) {
    dialog.Item<CButtonCtrl>(id).Click();
}

double ElapsedMs(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Tabs 1 to 5, then 0: each click changes the selection, so each refreshes its page.
void MeasureTabs(CManagerDlg& main, Samples& samples) {
    auto& tabs = main.Item<CTabCtrl>(IDC_PAGE_TAB);
    for (int step = 1; step <= kTabs; ++step) {
        const int tab = step % kTabs;
        QElapsedTimer timer;
        timer.start();
        tabs.ClickByUser(tab);
        QCoreApplication::processEvents();
        samples.tabs[static_cast<size_t>(tab)].push_back(ElapsedMs(timer));
    }
}

struct Figures {
    double medianMs, maxMs;
};

Figures Summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.back()};
}

QtMessageHandler g_defaultHandler = nullptr;

// The offscreen platform reports each window operation it cannot do (raise, keyboard grab).
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    g_defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    StopWhenOverdue("bench_tabs", 60 + runs * 5);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    g_defaultHandler = qInstallMessageHandler(QuietHandler);
    QApplication qt(argc, argv);
    CQtBackend backend;

    sim::Simulator simulator(sim::SimulatorOptions::loopback());
    std::string error;
    if (!simulator.start(&error)) {
        std::fprintf(stderr, "simulator: %s\n", error.c_str());
        return 1;
    }

    Samples samples;
    QElapsedTimer connectTimer;
    QElapsedTimer loginTimer;
    bool failed = false;
    backend.OnModalShown([&](CDialog& dialog) {
        switch (dialog.Resource().id) {
        case IDD_SEARCH:
            Type(dialog, IDC_IP_ADDRESS, simulator.controlAddress(0));
            Type(dialog, IDC_CONTROL_PORT, std::to_string(simulator.controlPort(0)));
            connectTimer.start();
            Click(dialog, IDC_CONNECT);
            if (!dialog.IsEnded()) {
                failed = true;
                dialog.EndDialog(IDCANCEL);
            }
            break;
        case IDD_LOGIN:
            Type(dialog, IDC_PASSWORD, simulator.state(0).password);
            loginTimer.start();
            Click(dialog, IDC_LOGIN_OK);
            break;
        case IDD_MANAGER_DIALOG:
            QCoreApplication::processEvents();
            samples.connect.push_back(ElapsedMs(connectTimer));
            samples.login.push_back(ElapsedMs(loginTimer));
            MeasureTabs(static_cast<CManagerDlg&>(dialog), samples);
            dialog.EndDialog(IDOK);
            break;
        default:
            failed = true;
            dialog.EndDialog(IDCANCEL);
            break;
        }
    });
    for (int run = 0; run < runs && !failed; ++run) {
        CManagerApp app(backend);
        app.InitInstance(CDiscoveryTarget{"127.0.0.1", simulator.discoveryPort(), {}});
    }
    if (failed || static_cast<int>(samples.connect.size()) != runs) {
        std::fprintf(stderr, "bench_tabs: the application did not reach its main window\n");
        return 1;
    }

    std::printf("tab click to a filled page, simulator on loopback (%d runs, Qt %s)\n", runs,
                qPrintable(QGuiApplication::platformName()));
    std::printf("%-36s %10s %10s\n", "", "median ms", "max ms");
    bool goalMet = true;
    for (size_t tab = 0; tab < kPageNames.size(); ++tab) {
        const Figures figures = Summarise(samples.tabs[tab]);
        goalMet = goalMet && figures.maxMs <= kGoalMs;
        std::printf("%-36s %10.2f %10.2f\n", kPageNames[tab], figures.medianMs, figures.maxMs);
    }
    const Figures connect = Summarise(samples.connect);
    std::printf("%-36s %10.2f %10.2f\n", "Connect to a populated main window", connect.medianMs,
                connect.maxMs);
    const Figures login = Summarise(samples.login);
    std::printf("%-36s %10.2f %10.2f\n", "  of which login OK to that window", login.medianMs,
                login.maxMs);
    std::printf("goal, every tab at most %.0f ms: %s\n", kGoalMs, goalMet ? "met" : "NOT met");
    return goalMet ? 0 : 3;
}
