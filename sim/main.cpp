// velmora42-sim: runs simulated appliances until interrupted.
#include "sim/CliOptions.h"
#include "sim/Simulator.h"
#include "sim/Socket.h"

#include <csignal>
#include <iostream>

int main(int argc, char** argv) {
    const sim::CliResult cli = sim::parseCommandLine({argv + 1, argv + argc});
    if (cli.showHelp) {
        std::cout << sim::usageText();
        return 0;
    }
    if (!cli.error.empty()) {
        std::cerr << "velmora42-sim: " << cli.error << "\n\n" << sim::usageText();
        return 2;
    }

    // Block the stop signals before the simulator thread exists, so that only sigwait sees them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    sim::raiseOpenFileLimit();
    sim::Simulator simulator(cli.options);
    std::string error;
    if (!simulator.start(&error)) {
        std::cerr << "velmora42-sim: " << error << '\n';
        return 1;
    }
    for (std::size_t i = 0; i < simulator.applianceCount(); ++i) {
        const auto state = simulator.state(i);
        std::cout << "appliance " << i + 1 << " \"" << state.btName << "\" control "
                  << simulator.controlAddress(i) << ':' << simulator.controlPort(i) << '\n';
    }
    if (cli.options.discoveryEnabled) {
        std::cout << "discovery " << cli.options.discoveryAddress << ':'
                  << simulator.discoveryPort() << '\n';
    }
    std::cout << "login " << cli.options.appliances.front().state.user << " / "
              << cli.options.appliances.front().state.password << "; Ctrl+C stops" << std::endl;

    int received = 0;
    sigwait(&stopSignals, &received);
    simulator.stop();
    return 0;
}
