// The Connections page against the simulator on loopback, rendered by Qt (offscreen unless
// QT_QPA_PLATFORM says otherwise). Prints, for 7, 50 and 200 connections, the wall and
// process CPU time of one reload (the "List" exchange, the rebuilt list and the table
// mirroring it) and of the paint that follows, and how often the table was painted during a
// reload showing anything but the whole list (flicker). Then polls 200 connections on the
// page's own 2-second timer for 20 s (or the seconds given as the only argument) and prints
// the process's CPU use, in all and between the ticks, as % of one core. The simulator runs
// in this process, so its share is included.

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

#include "../common/StopWhenOverdue.h"
#include "app/ManagerDlg.h"
#include "pages/ConnectionsPage.h"
#include "sim/Simulator.h"
#include "ui/Application.h"
#include "ui/ListViewCtrl.h"
#include "ui/qt/QtBackend.h"

namespace {

constexpr int kReloads = 50;

// User and system CPU time of the whole process (the simulator's thread included).
double ProcessCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Counts the table's paints while a reload runs, and those that show a partial list.
class CPaintWatch : public QObject {
public:
    explicit CPaintWatch(QTableWidget* table) : m_table(table) {
        table->viewport()->installEventFilter(this);
    }
    void Begin(int expectedRows) {
        m_expected = expectedRows;
        m_bReloading = true;
    }
    void End() { m_bReloading = false; }
    int Paints() const { return m_paints; }
    int PartialPaints() const { return m_partial; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && m_bReloading) {
            ++m_paints;
            if (m_table->rowCount() != m_expected)
                ++m_partial;
        }
        return false;
    }

private:
    QTableWidget* m_table;
    int m_expected = 0;
    int m_paints = 0;
    int m_partial = 0;
    bool m_bReloading = false;
};

struct Figures {
    double medianMs, maxMs, cpuMs, paintMs;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

Figures MeasureReloads(CConnectionsPage& page, CPaintWatch& watch, int rows) {
    std::vector<double> wall, cpu, paint;
    for (int i = 0; i < kReloads; ++i) {
        QElapsedTimer timer;
        watch.Begin(rows);
        const double cpuStart = ProcessCpuMs();
        timer.start();
        page.SendMessage(WM_TIMER, 1); // what a tick of timer 1 does
        wall.push_back(timer.nsecsElapsed() / 1e6);
        cpu.push_back(ProcessCpuMs() - cpuStart);
        watch.End();
        timer.restart();
        QCoreApplication::processEvents();
        paint.push_back(timer.nsecsElapsed() / 1e6);
    }
    return {Median(wall), *std::max_element(wall.begin(), wall.end()), Median(cpu), Median(paint)};
}

} // namespace

int main(int argc, char** argv) {
    const int pollSeconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    StopWhenOverdue("bench_connections", pollSeconds + 120);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    CQtBackend backend;
    CApplication app(backend);
    app.SetAppName("Velmora42 Manager");

    sim::Simulator simulator(sim::SimulatorOptions::loopback());
    std::string error;
    if (!simulator.start(&error)) {
        std::fprintf(stderr, "simulator: %s\n", error.c_str());
        return 1;
    }
    CManagerDlg main;
    app.SetMainWnd(&main);
    main.m_strUserID = "admin";
    main.m_strPassword = "velmora";
    CControlSocket* socket = main.CreateControlSocket();
    if (!socket || !socket->Connect(simulator.controlAddress(0), simulator.controlPort(0)) ||
        !main.Login()) {
        std::fprintf(stderr, "cannot log in to the simulator\n");
        return 1;
    }

    CConnectionsPage page;
    page.Create();
    page.ShowWindow(true);
    auto* table = qobject_cast<QTableWidget*>(
        CQtBackend::WidgetOf(page.Item<CListViewCtrl>(IDC_CONNECTION_LIST)));
    if (!table) {
        std::fprintf(stderr, "the connection list is not rendered\n");
        return 1;
    }
    CPaintWatch watch(table);
    QCoreApplication::processEvents();

    std::printf("reload of the Connections page (%d reloads each, Qt %s)\n", kReloads,
                qPrintable(QGuiApplication::platformName()));
    std::printf("%6s %12s %10s %12s %12s\n", "rows", "median ms", "max ms", "CPU ms", "paint ms");
    double reloadCpu200 = 0;
    for (int rows : {7, 50, 200}) {
        simulator.updateState(0, [rows](sim::ApplianceState& s) { s.resetConnections(rows); });
        const Figures figures = MeasureReloads(page, watch, rows);
        std::printf("%6d %12.2f %10.2f %12.2f %12.2f\n", rows, figures.medianMs, figures.maxMs,
                    figures.cpuMs, figures.paintMs);
        reloadCpu200 = figures.cpuMs;
    }
    std::printf("table paints during reloads: %d, showing a partial list: %d\n", watch.Paints(),
                watch.PartialPaints());

    page.SetTimer(1, 2000);
    page.m_bTimerRunning = true;
    int ticks = 0;
    const int rowsBefore = static_cast<int>(simulator.transcript(0).size());
    const double cpuStart = ProcessCpuMs();
    QElapsedTimer clock;
    clock.start();
    // The event loop sleeps between the ticks as the application's does.
    QEventLoop loop;
    QTimer::singleShot(pollSeconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const double cpuMs = ProcessCpuMs() - cpuStart;
    const double wallMs = static_cast<double>(clock.elapsed());
    ticks = static_cast<int>(simulator.transcript(0).size()) - rowsBefore;
    const double betweenMs = std::max(0.0, cpuMs - ticks * reloadCpu200);
    std::printf("polling 200 rows for %.0f s: %d reloads, process CPU %.2f %% in all, "
                "%.3f %% between the ticks\n",
                wallMs / 1000, ticks, 100 * cpuMs / wallMs, 100 * betweenMs / wallMs);
    page.DestroyWindow();
    app.SetMainWnd(nullptr);
    return 0;
}
