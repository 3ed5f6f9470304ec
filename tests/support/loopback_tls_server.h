// HTTPS on 127.0.0.1, self-signed for 127.0.0.1 so a refusal is only about trust;
// a client that connects anyway gets the handler's reply and counts in requestCount().
#pragma once

#include <atomic>
#include <cstddef>
#include <memory>
#include <string>
#include <thread>

#include "support/loopback_http_server.h"

namespace solvane::testing {

class LoopbackTlsServer {
  public:
    using Handler = LoopbackHttpServer::Handler;

    explicit LoopbackTlsServer(Handler handler);
    ~LoopbackTlsServer();
    LoopbackTlsServer(const LoopbackTlsServer&) = delete;
    LoopbackTlsServer& operator=(const LoopbackTlsServer&) = delete;

    // "https://127.0.0.1:PORT"
    std::string url() const;

    // Handshakes begun, handshakes the client broke off, and requests that
    // got through a completed handshake.
    std::size_t handshakes() const { return handshakes_.load(); }
    std::size_t refusedHandshakes() const { return refused_.load(); }
    std::size_t requestCount() const { return requests_.load(); }

  private:
    struct Tls;

    void serve();
    void handle(int fd);

    Handler handler_;
    std::unique_ptr<Tls> tls_;
    int listenFd_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<std::size_t> handshakes_{0};
    std::atomic<std::size_t> refused_{0};
    std::atomic<std::size_t> requests_{0};
    std::thread thread_;
};

}  // namespace solvane::testing
