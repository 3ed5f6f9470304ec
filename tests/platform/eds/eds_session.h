// A real Evolution Data Server for tests and benchmarks, never the user's:
// the program runs itself again under dbus-run-session with HOME, the XDG
// folders and GSettings private (EDS's services inherit the bus's
// environment), and EdsWriter writes calendars and events through libecal.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solvane::testing {

// Why the EDS services or dbus-run-session are not installed, if they are not.
std::optional<std::string> edsUnavailable();

// The exit status once the program has run again inside a private session; none
// when this process is the one inside, EDS is missing, or it only lists its tests.
std::optional<int> runInPrivateSession(int argc, char** argv);

// Generous: the first calendar activates EDS's factories on a busy machine.
inline constexpr std::chrono::milliseconds kEdsPatience = std::chrono::seconds(30);

// Iterates GLib's default main context, where EDS's signals arrive, until `done`.
bool spinUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = kEdsPatience);

// One local calendar, removed with the writer's object.
class EdsCalendar {
  public:
    ~EdsCalendar();
    EdsCalendar(const EdsCalendar&) = delete;
    EdsCalendar& operator=(const EdsCalendar&) = delete;

    const std::string& uid() const { return uid_; }
    const std::string& error() const { return error_; }

    // VEVENTs' text as one request, after libical's own zones they name.
    bool addAll(const std::vector<std::string>& vevents);
    // Replaces the UID's event, or with a RECURRENCE-ID only that instance.
    bool modify(std::string_view vevent);
    bool remove(const std::string& eventUid);

    bool setEnabled(bool enabled);
    bool setColor(const std::string& color);

  private:
    friend class EdsWriter;
    struct Impl;
    explicit EdsCalendar(std::unique_ptr<Impl> impl);
    bool writeSource();
    std::unique_ptr<Impl> impl_;
    std::string uid_;
    std::string error_;
};

class EdsWriter {
  public:
    // The session's source registry; none, with `error`, when it does not answer.
    static std::unique_ptr<EdsWriter> open(std::string& error);
    ~EdsWriter();
    EdsWriter(const EdsWriter&) = delete;
    EdsWriter& operator=(const EdsWriter&) = delete;

    // A new calendar in "On This Computer", with its client connected.
    std::unique_ptr<EdsCalendar> addCalendar(const std::string& title, const std::string& color,
                                             std::string& error);
    // A CalDAV calendar at `url`, as an online account adds one, unconnected; its UID.
    std::optional<std::string> addRemoteCalendar(const std::string& title, const std::string& url,
                                                 std::string& error);

  private:
    struct Impl;
    explicit EdsWriter(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace solvane::testing
