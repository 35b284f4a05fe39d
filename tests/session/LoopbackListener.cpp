#include "LoopbackListener.h"

#include "protocol/testing/Loopback.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

CLoopbackListener::CLoopbackListener() {
    m_fd = BindLoopback(SOCK_STREAM, m_nPort);
    if (m_fd < 0 || listen(m_fd, 16) != 0)
        ADD_FAILURE() << "no loopback TCP listener";
}

CLoopbackListener::~CLoopbackListener() {
    if (m_fd >= 0)
        close(m_fd);
}
