#pragma once

#include <csignal>
#include <cstring>
#include <unistd.h>

// A message box or any other wait that never ends must not hold a benchmark: after `seconds`
// the process ends with status 2 and says so on stderr. `name` must outlive the process
// (a string literal).
inline void StopWhenOverdue(const char* name, int seconds) {
    static const char* s_name;
    s_name = name;
    std::signal(SIGALRM, [](int) {
        static const char kText[] = ": did not finish in time\n";
        [[maybe_unused]] auto written = write(2, s_name, std::strlen(s_name));
        written = write(2, kText, sizeof kText - 1);
        _exit(2);
    });
    alarm(static_cast<unsigned>(seconds));
}
