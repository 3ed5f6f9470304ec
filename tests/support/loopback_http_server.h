// A small HTTP/1.1 server on 127.0.0.1 for tests: real sockets, scripted
// replies, and the misbehaviours a client must survive (silence, dripping,
// cut-off bodies). One connection at a time; each reply closes its connection.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace solvane::testing {

struct HttpTestRequest {
    std::string method;
    std::string target;                          // path and query, as sent
    std::map<std::string, std::string> headers;  // names lower-cased

    std::string path() const { return target.substr(0, target.find('?')); }
    std::string query() const {
        const auto q = target.find('?');
        return q == std::string::npos ? std::string() : target.substr(q + 1);
    }
};

struct HttpTestReply {
    enum class Behaviour {
        normal,
        neverAnswer,  // read the request, then say nothing until stopped
        drip,         // send the reply one byte every `dripInterval`
        cutBody,      // announce the full length, send half, close
    };
    int status = 200;
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers{{"Content-Type", "application/json"}};
    Behaviour behaviour = Behaviour::normal;
    std::chrono::milliseconds dripInterval{1000};
};

class LoopbackHttpServer {
  public:
    using Handler = std::function<HttpTestReply(const HttpTestRequest&)>;

    explicit LoopbackHttpServer(Handler handler);
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    // "http://127.0.0.1:PORT"
    std::string url() const;
    int port() const { return port_; }

    // Requests received so far, oldest first.
    std::vector<HttpTestRequest> requests() const;
    std::size_t requestCount() const;

    void stop();

  private:
    void serve();
    void handle(int fd);
    bool sendAll(int fd, const std::string& data);

    Handler handler_;
    int listenFd_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::vector<HttpTestRequest> requests_;
    std::thread thread_;
};

}  // namespace solvane::testing
