#include "LoopbackListener.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

int BindLoopback(int type, int& port) {
    const int fd = socket(AF_INET, type | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        ADD_FAILURE() << "no loopback socket of type " << type;
    port = ntohs(address.sin_port);
    return fd;
}

CLoopbackListener::CLoopbackListener() {
    m_fd = BindLoopback(SOCK_STREAM, m_nPort);
    if (m_fd >= 0 && listen(m_fd, 16) != 0)
        ADD_FAILURE() << "no loopback TCP listener";
}

CLoopbackListener::~CLoopbackListener() {
    if (m_fd >= 0)
        close(m_fd);
}
