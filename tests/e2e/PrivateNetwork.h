#pragma once

#include <string>

// End-to-end tests broadcast for real, so they run only inside a private network namespace
// made by scripts/in-netns, where the broadcast stays on that namespace's loopback.

// Whether this process runs inside such a namespace.
bool InPrivateNetwork();

struct CPrivateRun {
    bool skipped = false; // no namespace could be made (no root, no `ip netns`)
    int exitStatus = 0;
    std::string output; // what the run printed, or why it was skipped
};

// Runs the current test again, alone, in a new namespace made by `script` (scripts/in-netns
// when null, or a script that takes the same arguments and exit statuses), and waits for it
// to end.
CPrivateRun RunCurrentTestInPrivateNetwork(const char* script = nullptr);

// The first line of an end-to-end test body: outside a namespace the test runs itself again
// inside one made by `script` and reports that run; inside, the body goes on.
#define RUN_IN_PRIVATE_NETWORK() RUN_IN_PRIVATE_NETWORK_MADE_BY(nullptr)
#define RUN_IN_PRIVATE_NETWORK_MADE_BY(script)                                                     \
    if (!InPrivateNetwork()) {                                                                     \
        const CPrivateRun run = RunCurrentTestInPrivateNetwork(script);                            \
        if (run.skipped)                                                                           \
            GTEST_SKIP() << run.output;                                                            \
        EXPECT_EQ(run.exitStatus, 0) << "the run inside the namespace failed:\n" << run.output;    \
        return;                                                                                    \
    }
