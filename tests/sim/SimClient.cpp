#include "SimClient.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

bool waitReadable(int fd, int waitMs) {
    pollfd entry{fd, POLLIN, 0};
    return ::poll(&entry, 1, waitMs) > 0;
}

sockaddr_in endpoint(const std::string& address, std::uint16_t port) {
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(port);
    inet_pton(AF_INET, address.c_str(), &peer.sin_addr);
    return peer;
}

} // namespace

SimClient::~SimClient() {
    close();
}

bool SimClient::connect(const std::string& address, std::uint16_t port) {
    close();
    m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in peer = endpoint(address, port);
    return ::connect(m_fd, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) == 0;
}

std::string SimClient::readGreeting() {
    return readOnce(2000, 100);
}

bool SimClient::login(const std::string& user, const std::string& password) {
    readGreeting();
    const std::string userReply = exchangeOnce("User " + user);
    const std::string passReply = exchangeOnce("Pass " + password);
    return userReply == "+OK Password required\r\n" && passReply == "+OK User Authenticated\r\n";
}

std::string SimClient::exchange(const std::string& line, int silenceMs) {
    sendRaw(line + "\r\n");
    std::string reply;
    for (;;) {
        const std::string piece = readOnce(silenceMs);
        if (piece.empty()) {
            break;
        }
        reply += piece;
        if (reply.find("+OK") != std::string::npos || reply.find("-ERR") != std::string::npos) {
            break;
        }
    }
    return reply;
}

std::string SimClient::exchangeOnce(const std::string& line, int waitMs) {
    sendRaw(line + "\r\n");
    return readOnce(waitMs);
}

void SimClient::sendRaw(std::string_view bytes) {
    while (!bytes.empty() && m_fd >= 0) {
        const ssize_t sent = ::send(m_fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0) {
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
}

void SimClient::finishSending() {
    ::shutdown(m_fd, SHUT_WR);
}

std::string SimClient::readOnce(int waitMs, std::size_t limit) {
    if (m_fd < 0 || !waitReadable(m_fd, waitMs)) {
        return {};
    }
    std::string buffer(limit, '\0');
    const ssize_t count = ::recv(m_fd, buffer.data(), limit, 0);
    buffer.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
    return buffer;
}

std::string SimClient::readUntilSilent(int silenceMs) {
    std::string text;
    for (std::string piece; !(piece = readOnce(silenceMs, 4096)).empty();) {
        text += piece;
    }
    return text;
}

bool SimClient::waitClosed(int waitMs) {
    char buffer[4096];
    while (m_fd >= 0 && waitReadable(m_fd, waitMs)) {
        const ssize_t count = ::recv(m_fd, buffer, sizeof buffer, 0);
        if (count <= 0) {
            return true;
        }
    }
    return false;
}

void SimClient::close() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

void SimClient::reset() {
    const linger abort{1, 0};
    ::setsockopt(m_fd, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    close();
}

std::vector<std::vector<std::uint8_t>> discover(const std::string& address, std::uint16_t port,
                                                int waitMs, std::vector<std::uint8_t> request) {
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    const sockaddr_in peer = endpoint(address, port);
    ::sendto(fd, request.data(), request.size(), 0, reinterpret_cast<const sockaddr*>(&peer),
             sizeof peer);
    std::vector<std::vector<std::uint8_t>> replies;
    while (waitReadable(fd, waitMs)) {
        std::vector<std::uint8_t> datagram(500);
        const ssize_t size = ::recv(fd, datagram.data(), datagram.size(), 0);
        datagram.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
        replies.push_back(std::move(datagram));
    }
    ::close(fd);
    return replies;
}
