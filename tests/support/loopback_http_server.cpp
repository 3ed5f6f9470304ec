#include "support/loopback_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <csignal>
#include <sstream>

namespace solvane::testing {
namespace {

// Waits until `fd` is readable or the server stops; false on stop.
bool waitReadable(int fd, const std::atomic<bool>& stopping) {
    while (!stopping.load()) {
        pollfd p{fd, POLLIN, 0};
        const int r = ::poll(&p, 1, 50);
        if (r > 0) {
            return true;
        }
        if (r < 0 && errno != EINTR) {
            return false;
        }
    }
    return false;
}

}  // namespace

int listenOnLoopback(int& port) {
    // A client that hangs up mid-reply must not kill the test process.
    std::signal(SIGPIPE, SIG_IGN);
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    ::listen(fd, 16);
    socklen_t len = sizeof addr;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    port = ntohs(addr.sin_port);
    return fd;
}

LoopbackHttpServer::LoopbackHttpServer(Handler handler) : handler_(std::move(handler)) {
    listenFd_ = listenOnLoopback(port_);
    thread_ = std::thread([this] { serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
    stop();
}

void LoopbackHttpServer::stop() {
    if (stopping_.exchange(true)) {
        return;
    }
    if (thread_.joinable()) {
        thread_.join();
    }
    ::close(listenFd_);
}

std::string LoopbackHttpServer::url() const {
    return "http://127.0.0.1:" + std::to_string(port_);
}

std::vector<HttpTestRequest> LoopbackHttpServer::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

std::size_t LoopbackHttpServer::requestCount() const {
    std::lock_guard lock(mutex_);
    return requests_.size();
}

void LoopbackHttpServer::serve() {
    while (waitReadable(listenFd_, stopping_)) {
        const int fd = ::accept(listenFd_, nullptr, nullptr);
        if (fd < 0) {
            continue;
        }
        handle(fd);
        ::close(fd);
    }
}

// Waits for room to send, so a client that stops reading cannot stop the stop.
bool LoopbackHttpServer::sendAll(int fd, std::string_view data) {
    std::size_t sent = 0;
    while (sent < data.size()) {
        if (stopping_.load()) {
            return false;
        }
        pollfd p{fd, POLLOUT, 0};
        const int ready = ::poll(&p, 1, 50);
        if (ready < 0 && errno != EINTR) {
            return false;
        }
        if (ready <= 0) {
            continue;
        }
        const ssize_t n =
            ::send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

// {"pad":"xxx…", then the body's members; only one slice of filler is ever held.
void LoopbackHttpServer::flood(int fd, const HttpTestReply& reply) {
    if (!sendAll(fd, httpTestReplyHead(reply, reply.floodBytes, reply.floodAnnounced))) {
        return;
    }
    const std::string_view body = reply.body;
    const bool hasMembers = body.size() > 2 && body.front() == '{';
    const std::string open = R"({"pad":")";
    const std::string close = hasMembers ? "\"," + std::string(body.substr(1)) : "\"}";
    const std::string slice(64 * 1024, 'x');
    std::size_t left = reply.floodBytes;
    const auto put = [&](std::string_view piece) {
        piece = piece.substr(0, left);
        left -= piece.size();
        return sendAll(fd, piece);
    };
    if (!put(open)) {
        return;
    }
    while (left > close.size()) {
        if (!put(std::string_view(slice).substr(0, left - close.size()))) {
            return;
        }
    }
    put(close);
}

HttpTestRequest parseHttpTestRequest(const std::string& head) {
    HttpTestRequest request;
    std::istringstream lines(head.substr(0, head.find("\r\n\r\n")));
    std::string line;
    std::getline(lines, line);
    std::istringstream first(line);
    first >> request.method >> request.target;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const auto colon = line.find(':');
        if (colon == std::string::npos) {
            continue;
        }
        std::string name = line.substr(0, colon);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        std::string value = line.substr(colon + 1);
        value.erase(0, value.find_first_not_of(' '));
        request.headers[name] = value;
    }
    return request;
}

std::string httpTestReplyHead(const HttpTestReply& reply, std::size_t contentLength,
                              bool announceLength) {
    // Clients read the code only; the reason phrase is free text.
    std::string out = "HTTP/1.1 " + std::to_string(reply.status) +
                      (reply.status == 200 ? " OK" : " Status") + "\r\nConnection: close\r\n";
    if (announceLength) {
        out += "Content-Length: " + std::to_string(contentLength) + "\r\n";
    }
    for (const auto& [name, value] : reply.headers) {
        out += name + ": " + value + "\r\n";
    }
    return out + "\r\n";
}

void LoopbackHttpServer::handle(int fd) {
    std::string head;
    char buf[4096];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < 65536) {
        if (!waitReadable(fd, stopping_)) {
            return;
        }
        const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
        if (n <= 0) {
            return;
        }
        head.append(buf, static_cast<std::size_t>(n));
    }

    const HttpTestRequest request = parseHttpTestRequest(head);
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
    }

    const HttpTestReply reply = handler_(request);
    if (reply.behaviour == HttpTestReply::Behaviour::neverAnswer) {
        // Hold the connection open and silent until the client gives up.
        while (!stopping_.load()) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 50) > 0 && ::recv(fd, buf, sizeof buf, 0) <= 0) {
                return;
            }
        }
        return;
    }

    const std::string out = httpTestReplyHead(reply, reply.body.size());
    const std::string_view body = reply.body;
    switch (reply.behaviour) {
        case HttpTestReply::Behaviour::normal:
            sendAll(fd, out + reply.body);
            break;
        case HttpTestReply::Behaviour::cutBody:
            sendAll(fd, out + std::string(body.substr(0, body.size() / 2)));
            break;
        case HttpTestReply::Behaviour::resetBody: {
            if (!sendAll(fd, out + std::string(body.substr(0, body.size() / 2)))) {
                return;
            }
            // Time for the client to read what came, so the reset lands mid-body.
            pollfd p{fd, POLLIN, 0};
            ::poll(&p, 1, 100);
            // A zero linger makes the close that follows send a reset.
            const linger abort{1, 0};
            ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
            break;
        }
        case HttpTestReply::Behaviour::flood:
            flood(fd, reply);
            break;
        case HttpTestReply::Behaviour::drip: {
            const std::string all = out + reply.body;
            for (char c : all) {
                if (stopping_.load() || !sendAll(fd, std::string_view(&c, 1))) {
                    return;
                }
                pollfd p{fd, POLLIN, 0};
                // A client that closes shows up as readable with no data.
                if (::poll(&p, 1, static_cast<int>(reply.dripInterval.count())) > 0 &&
                    ::recv(fd, buf, sizeof buf, MSG_DONTWAIT) == 0) {
                    return;
                }
            }
            break;
        }
        case HttpTestReply::Behaviour::neverAnswer:
            break;
    }
}

}  // namespace solvane::testing
