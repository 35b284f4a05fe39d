#include "LoopbackListener.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

CLoopbackListener::CLoopbackListener() {
    m_fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (m_fd < 0 || bind(m_fd, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        listen(m_fd, 16) != 0 ||
        getsockname(m_fd, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        ADD_FAILURE() << "no loopback TCP listener";
    m_nPort = ntohs(address.sin_port);
}

CLoopbackListener::~CLoopbackListener() {
    if (m_fd >= 0)
        close(m_fd);
}
