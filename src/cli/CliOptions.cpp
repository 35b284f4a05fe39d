#include "cli/CliOptions.h"

#include <CLI/CLI.hpp>

void AddGlobalOptions(CLI::App& app, CGlobalOptions& options) {
    app.add_option("--user", options.m_strUser, "User name of the login")
        ->type_name("NAME")
        ->capture_default_str();
    app.add_option("--password-file", options.m_strPasswordFile,
                   "File whose first line is the password (when VELMORA42_PASSWORD is not set)")
        ->type_name("FILE")
        ->check(CLI::ExistingFile.description(""));
    // A password on the command line would show in every process list.
    app.add_option_function<std::string>("--password",
                                         [](const std::string&) {
                                             throw CLI::ValidationError(
                                                 "--password",
                                                 "a password is never taken as an argument: set "
                                                 "VELMORA42_PASSWORD or use --password-file");
                                         })
        ->group("");
    app.add_option("--connect-timeout", options.m_nConnectTimeoutSeconds,
                   "Seconds to wait for an appliance to accept the connection")
        ->type_name("SECONDS")
        ->check(CLI::Range(1, 600).description(""))
        ->capture_default_str();
    app.add_option("--discovery-port", options.m_nDiscoveryPort,
                   "UDP port the discovery requests go to")
        ->type_name("PORT")
        ->check(CLI::Range(1, 65535).description(""))
        ->capture_default_str();
    app.add_flag("-v,--verbose", options.m_bVerbose, "Echo every exchange on stderr");
}
