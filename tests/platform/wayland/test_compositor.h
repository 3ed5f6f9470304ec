// A real compositor for the desktop-layer tests: a headless one with the
// layer shell, started per test in a private runtime folder and stopped (its
// whole process group) at the end.
//
// It refuses to run as root, so under root it runs as the unprivileged user
// 65534 in a runtime folder handed to that user; root can still reach the
// socket there.
//
//   TestCompositor compositor;
//   if (auto why = TestCompositor::unavailable()) GTEST_SKIP() << *why;
//   ASSERT_TRUE(compositor.start({"output HEADLESS-1 resolution 1280x800"})) << compositor.log();
//   setenv("XDG_RUNTIME_DIR", compositor.runtimeDir().c_str(), 1);
//   setenv("WAYLAND_DISPLAY", compositor.socketName().c_str(), 1);
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
