// A real headless compositor with the layer shell, started per test in a
// private runtime folder (as user 65534 under root, where it refuses to run)
// and stopped, its whole process group, at the end.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace solvane::testing {

class TestCompositor {
  public:
    TestCompositor() = default;
    ~TestCompositor();
    TestCompositor(const TestCompositor&) = delete;
    TestCompositor& operator=(const TestCompositor&) = delete;

    // Why the compositor cannot run here, or nothing when it can.
    static std::optional<std::string> unavailable();

    // Starts it with `configLines` and one headless output per
    // `outputCount`; waits until its sockets exist. False with log() telling
    // why.
    bool start(const std::vector<std::string>& configLines, int outputCount = 1);
    // Ends the process group: politely unless `crash`.
    void stop(bool crash = false);
    // Runs one command over the compositor's control socket.
    bool command(const std::string& text);

    const std::filesystem::path& runtimeDir() const { return dir_; }
    const std::string& socketName() const { return socket_; }
    std::string log() const;

  private:
    std::filesystem::path dir_;
    std::string socket_;
    std::filesystem::path ipcSocket_;
    pid_t pid_ = -1;
};

}  // namespace solvane::testing
