#pragma once

#include <string>
#include <vector>

// Runs velmora42-ctl as a script would: its own process, with the given arguments and
// environment additions ("NAME=value"), stdin from /dev/null and no controlling terminal,
// HOME in the test's temporary folder so nothing reaches the real home.
struct CCtlRun {
    int status = -1; // the exit status; -1 when the program did not exit normally
    std::string out;
    std::string err;
};

CCtlRun RunCtl(const std::vector<std::string>& arguments,
               const std::vector<std::string>& environment = {});
