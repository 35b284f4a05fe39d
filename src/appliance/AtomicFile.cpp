#include "appliance/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string SystemError(std::string_view what) {
    return std::string(what) + ": " + std::strerror(errno);
}

// The file a link at `path` names, so that the rename replaces that file, not the link.
std::string TargetOf(const std::string& path) {
    std::error_code error;
    const std::filesystem::path target = std::filesystem::canonical(path, error);
    return error ? path : target.string();
}

// The mode a new file gets from the process's file mode mask; an existing file keeps its own.
mode_t ModeFor(const std::string& target) {
    struct stat existing {};
    if (stat(target.c_str(), &existing) == 0)
        return existing.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        text.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// The rename itself is on the disk only once the folder is.
void SyncFolder(const std::string& target) {
    const std::string folder = std::filesystem::path(target).parent_path().string();
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

} // namespace

std::string WriteFileAtomically(const std::string& path, std::string_view text) {
    const std::string target = TargetOf(path);
    std::string temporary = target + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return SystemError("cannot make a temporary file beside it");
    std::string error;
    if (fchmod(fd, ModeFor(target)) != 0)
        error = SystemError("cannot set the temporary file's permissions");
    else if (!WriteAll(fd, text))
        error = SystemError("cannot write the temporary file");
    else if (fsync(fd) != 0)
        error = SystemError("cannot flush the temporary file to the disk");
    if (close(fd) != 0 && error.empty())
        error = SystemError("cannot close the temporary file");
    if (error.empty() && rename(temporary.c_str(), target.c_str()) != 0)
        error = SystemError("cannot rename the temporary file over it");
    if (!error.empty()) {
        unlink(temporary.c_str());
        return error;
    }
    SyncFolder(target);
    return {};
}
