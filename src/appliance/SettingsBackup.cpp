#include "appliance/SettingsBackup.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

#include "appliance/AtomicFile.h"
#include "appliance/SettingsHeader.h"

namespace {

std::string FromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

std::string DefaultBackupFolder() {
    std::string data = FromEnvironment("XDG_DATA_HOME");
    if (data.empty()) {
        const std::string home = FromEnvironment("HOME");
        if (home.empty())
            return {};
        data = home + "/.local/share";
    }
    return data + "/velmora42-manager/backups";
}

CBackupResult WriteSettingsBackup(const std::string& folder, const CSettingsHeader& header,
                                  const CSettingValues& values, std::time_t now) {
    CBackupResult result;
    if (folder.empty()) {
        result.error = "no folder for backups: neither XDG_DATA_HOME nor HOME is set";
        return result;
    }
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        result.error = "cannot make the folder " + folder + ": " + error.message();
        return result;
    }
    const std::string stem = folder + "/" + SettingsFileStem(header.btName) + "-" +
                             LocalTimeText("%Y-%m-%d-%H%M%S", now);
    // The name is claimed by creating the file exclusively, so that two loads backing up
    // appliances of one name in the same second, in one process or in two, never choose the
    // same name; the atomic write then replaces the empty claim.
    result.path = stem + ".txt";
    for (int number = 2;; ++number) {
        const int fd = ::open(result.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            ::close(fd);
            break;
        }
        if (errno != EEXIST) {
            result.error = "cannot write " + result.path + ": " + std::strerror(errno);
            return result;
        }
        result.path = stem + "-" + std::to_string(number) + ".txt";
    }
    result.error = WriteFileAtomically(result.path, WriteSettingsFile(header, values));
    if (!result.ok())
        std::filesystem::remove(result.path, error);
    return result;
}
