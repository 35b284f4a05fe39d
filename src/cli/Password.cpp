#include "cli/Password.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <termios.h>
#include <unistd.h>

#include "cli/CliOptions.h"

namespace {

void DropLineEnd(std::string& line) {
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
}

std::optional<std::string> ReadPasswordFile(const std::string& path, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    std::string line;
    if (!file || (!std::getline(file, line) && !file.eof())) {
        error = "--password-file: cannot read " + path;
        return std::nullopt;
    }
    DropLineEnd(line);
    return line;
}

// Asks on the controlling terminal itself, so that the password is typed even when stdin
// and stdout are redirected; the echo is off while it is typed and back on afterwards.
std::optional<std::string> AskOnTerminal(const std::string& user, std::string& error) {
    const int tty = open("/dev/tty", O_RDWR | O_CLOEXEC | O_NOCTTY);
    termios saved{};
    if (tty < 0 || tcgetattr(tty, &saved) != 0) {
        if (tty >= 0)
            close(tty);
        error = "none given: set VELMORA42_PASSWORD, use --password-file or run on a terminal";
        return std::nullopt;
    }
    const std::string prompt = "Password for " + user + ": ";
    (void)!write(tty, prompt.data(), prompt.size());
    termios silent = saved;
    silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    silent.c_lflag |= ECHONL;
    tcsetattr(tty, TCSAFLUSH, &silent);
    std::string line;
    char c;
    bool ended = false;
    while (!ended) {
        const ssize_t count = read(tty, &c, 1);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0 || c == '\n')
            ended = true;
        else
            line += c;
    }
    tcsetattr(tty, TCSAFLUSH, &saved);
    close(tty);
    DropLineEnd(line);
    return line;
}

} // namespace

std::optional<std::string> ObtainPassword(const CGlobalOptions& options, std::string& error) {
    if (const char* fromEnvironment = std::getenv("VELMORA42_PASSWORD"))
        return std::string(fromEnvironment);
    if (!options.m_strPasswordFile.empty())
        return ReadPasswordFile(options.m_strPasswordFile, error);
    return AskOnTerminal(options.m_strUser, error);
}
