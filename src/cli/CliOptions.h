#pragma once

#include <string>

namespace CLI {
class App;
}

// The options given before the command; they apply to every command of the run.
class CGlobalOptions {
public:
    // The login dialog's default.
    std::string m_strUser = "admin";
    // The password's first line, when VELMORA42_PASSWORD is not set.
    std::string m_strPasswordFile;
    // Longest wait for an appliance to accept the connection.
    int m_nConnectTimeoutSeconds = 10;
    // The port discovery requests go to (appliances answer on 9097).
    int m_nDiscoveryPort = 9097;
    // Echoes every exchange on stderr, the password hidden.
    bool m_bVerbose = false;
    // What the command that ran ends the program with: 0 when it did all it was asked, 1
    // otherwise (usage errors end with 2 before any command runs).
    int m_nExitStatus = 0;
};

// Adds the options above to the program.
void AddGlobalOptions(CLI::App& app, CGlobalOptions& options);
