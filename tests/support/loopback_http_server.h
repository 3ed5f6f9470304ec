// A small HTTP/1.1 server on 127.0.0.1: scripted replies and the misbehaviours a
// client must survive. One connection at a time; each reply closes it.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
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
        resetBody,    // announce the full length, send half, reset the connection
        // `floodBytes` of JSON: a filler member, then the members of `body`,
        // so a client that ignored its size limit would read a good reply.
        flood,
    };
    int status = 200;
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers{{"Content-Type", "application/json"}};
    Behaviour behaviour = Behaviour::normal;
    std::chrono::milliseconds dripInterval{1000};
    std::size_t floodBytes = 0;
    // Unannounced, only a client counting what arrives can stop the flood early.
    bool floodAnnounced = true;
};

// Pieces the plain and the TLS servers share.
HttpTestRequest parseHttpTestRequest(const std::string& head);
// The status line and headers, with "Connection: close" and the length.
std::string httpTestReplyHead(const HttpTestReply& reply, std::size_t contentLength,
                              bool announceLength = true);
// A socket listening on 127.0.0.1 at a port of the system's choosing.
int listenOnLoopback(int& port);

class LoopbackHttpServer {
  public:
    using Handler = std::function<HttpTestReply(const HttpTestRequest&)>;

    explicit LoopbackHttpServer(Handler handler);
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    // "http://127.0.0.1:PORT"
    std::string url() const;

    // Requests received so far, oldest first.
    std::vector<HttpTestRequest> requests() const;
    std::size_t requestCount() const;

    void stop();

  private:
    void serve();
    void handle(int fd);
    bool sendAll(int fd, std::string_view data);
    void flood(int fd, const HttpTestReply& reply);

    Handler handler_;
    int listenFd_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::vector<HttpTestRequest> requests_;
    std::thread thread_;
};

}  // namespace solvane::testing
