// Loads one settings file with velmora42-ctl into 1, 10 and 100 simulated appliances on
// loopback, one at a time (--jobs 1) and at the default 8, first with the simulator answering
// at once, then with every reply 20 ms late, as a real appliance's pace. Every appliance is set
// back to its own values before each run, so that each load has the same work: a release and a
// registration of the device table and three Bluetooth settings, each read back. Prints the wall
// time of each run and the ratio of 100 appliances to one at the default; the goal is at most
// 15 times one with the delay (100 times one, one after the other). Exits 1 when it is missed.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "../common/StopWhenOverdue.h"
#include "appliance/SettingsFile.h"
#include "sim/Simulator.h"

extern char** environ;

namespace {

constexpr int kMostAppliances = 100;
constexpr double kGoalRatio = 15.0;

// Differs from what a simulated appliance starts with in the registration of "Sensor", which
// goes, "Scale", which comes, and three Bluetooth settings.
constexpr const char* kSettings = "# Velmora42 settings for the fleet benchmark\n"
                                  "Bind 00:0B:CE:01:02:03 9101\n"
                                  "Bind Scale 9105\n"
                                  "Maxdt 5\n"
                                  "Secu high\n"
                                  "Pair off\n"
                                  "# end\n";

// Runs the program with `arguments`, its output thrown away; returns its exit status.
int Run(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

int main() {
    StopWhenOverdue("bench_fleet", 600);
    if (!ReadSettingsFile(kSettings).ok()) {
        std::fprintf(stderr, "the benchmark's settings file is not one: %s\n",
                     ReadSettingsFile(kSettings).error.c_str());
        return 1;
    }
    sim::Simulator simulator(sim::SimulatorOptions::loopback(kMostAppliances));
    std::string error;
    if (!simulator.start(&error)) {
        std::fprintf(stderr, "simulator: %s\n", error.c_str());
        return 1;
    }
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("velmora42-bench-fleet-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "settings.txt").string();
    std::ofstream(file) << kSettings;
    setenv("VELMORA42_PASSWORD", "velmora", 1);
    std::vector<sim::ApplianceState> start;
    for (int i = 0; i < kMostAppliances; ++i)
        start.push_back(simulator.state(static_cast<size_t>(i)));

    bool goalMet = true;
    for (int delay : {0, 20}) {
        sim::Faults faults;
        faults.replyDelayMs = delay;
        for (int i = 0; i < kMostAppliances; ++i)
            simulator.setFaults(static_cast<size_t>(i), faults);
        std::printf("reply delay %d ms\n", delay);
        double one = 0;
        double hundred = 0;
        for (int count : {1, 10, 100}) {
            for (int jobs : {1, 8}) {
                if (count == 1 && jobs == 8)
                    continue; // the same run as --jobs 1
                std::vector<std::string> arguments{VELMORA_CTL, "load", file};
                for (int i = 0; i < count; ++i) {
                    simulator.setState(static_cast<size_t>(i), start[static_cast<size_t>(i)]);
                    arguments.push_back("127.0.0.1:" + std::to_string(simulator.controlPort(
                                                           static_cast<size_t>(i))));
                }
                arguments.insert(arguments.end(), {"--jobs", std::to_string(jobs), "--backup-dir",
                                                   (folder / "backups").string()});
                const auto began = std::chrono::steady_clock::now();
                const int status = Run(arguments);
                const double seconds =
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
                std::printf("  %3d appliances  --jobs %d  %8.3f s  exit status %d\n", count, jobs,
                            seconds, status);
                if (status != 0)
                    goalMet = false;
                if (count == 1)
                    one = seconds;
                if (count == 100 && jobs == 8)
                    hundred = seconds;
            }
        }
        std::printf("  100 appliances at --jobs 8 take %.1f times one\n", hundred / one);
        if (delay > 0 && hundred > kGoalRatio * one) {
            std::printf("  goal missed: at most %.0f times one\n", kGoalRatio);
            goalMet = false;
        }
    }
    std::filesystem::remove_all(folder);
    if (goalMet)
        std::printf("goal met: 100 appliances at the default jobs in at most %.0f times one\n",
                    kGoalRatio);
    return goalMet ? 0 : 1;
}
