#include "cli/CommandSupport.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <string>

#include "cli/CliOptions.h"
#include "cli/Password.h"

void PrintError(std::string_view line) {
    const std::string text = "velmora42-ctl: " + std::string(line) + "\n";
    std::fwrite(text.data(), 1, text.size(), stderr);
}

CCredentials RunCredentials(const CGlobalOptions& options) {
    std::string error;
    std::optional<std::string> password = ObtainPassword(options, error);
    if (!password)
        throw CLI::ValidationError("password", error);
    return CCredentials{options.m_strUser, std::move(*password)};
}

bool OpenSession(CCliSession& session, const CTarget& target, const CCredentials& credentials,
                 const CGlobalOptions& options) {
    if (session.Open(target, credentials, options.m_nConnectTimeoutSeconds * 1000) ==
        SessionOutcome::Ok)
        return true;
    PrintError(target.Address() + ": " + session.Failure());
    return false;
}
