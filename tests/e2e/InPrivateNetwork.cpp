#include "PrivateNetwork.h"

#include <cstdlib>
#include <sys/stat.h>

// Trusts the variable only when the named namespace is the one this process is in, so that
// a stray VELMORA_NETNS never lets a test broadcast on a real network.
bool InPrivateNetwork() {
    const char* name = std::getenv("VELMORA_NETNS");
    if (name == nullptr || std::string(name).find('/') != std::string::npos)
        return false;
    struct stat named {};
    struct stat own {};
    return stat((std::string("/run/netns/") + name).c_str(), &named) == 0 &&
           stat("/proc/self/ns/net", &own) == 0 && named.st_dev == own.st_dev &&
           named.st_ino == own.st_ino;
}
