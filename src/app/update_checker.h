// "Check for Updates…": compares the running version with the newest one an
// appcast feed announces, on demand and once a day on its own.
//
// The feed address and the running version come from Info.json ("UpdateFeed"
// and "Version"). The feed is RSS whose items carry their version in
// `sparkle:version` / `sparkle:shortVersionString`, as attributes of the
// <enclosure> or as elements of the item; the download address is the
// enclosure's url, else the item's link. Only http(s) addresses are offered.
// Nothing is downloaded or installed: the user is told where to get it.
//
//   UpdateChecker checker(UpdateChecker::Config::standard());
//   connect(&checker, &UpdateChecker::checkFinished, window, &Window::showUpdate);
//   checker.startAutomaticChecks();
//   checker.checkNow();  // the menu command
#pragma once

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/net/http.h"
#include "core/time/instant.h"

namespace solvane::app {

inline constexpr std::size_t kMaxAppcastBytes = 1024 * 1024;
inline constexpr double kUpdateCheckIntervalSeconds = 24 * 60 * 60;

// The program's Info.json as far as updates need it.
struct UpdateInfo {
    std::optional<std::string> feed;  // none: no non-empty "UpdateFeed"
    std::string version;              // the running version
};

// Reads `file`; a missing or unreadable file gives no feed and `fallbackVersion`.
UpdateInfo readUpdateInfo(const std::filesystem::path& file, std::string_view fallbackVersion);
// The program's own Info.json ($SOLVANE_INFO, beside the program, or in
// ../share/solvane/), with the version the program was built as.
UpdateInfo readUpdateInfo();

struct AppcastItem {
    std::string version;  // the short version when the feed gives one
    std::string url;

    bool operator==(const AppcastItem&) const = default;
};

// The items that have a version and an http(s) address, in feed order;
// nullopt when the text is not well-formed XML.
std::optional<std::vector<AppcastItem>> parseAppcast(std::string_view xml);

// Dotted versions compared part by part, numerically ("1.10" > "1.9"); a
// missing part counts as 0 ("1.2" == "1.2.0"). A part with text after its
// digits ("3b1") comes before the bare number and is otherwise ordered by
// that text. Negative: a is older; 0: the same; positive: a is newer.
int compareVersions(std::string_view a, std::string_view b);

struct UpdateResult {
    enum class Kind { available, upToDate, noFeed, failed };
    Kind kind = Kind::failed;
    std::string message;  // the sentence shown to the user: what happened, what to do
    std::string detail;   // the technical text behind a failure, for a bug report
    std::string version;  // the newest version (available) or the running one
    std::string url;      // where to get it (available only)
};

// The whole check, blocking: for worker threads and tests.
UpdateResult checkForUpdates(const UpdateInfo& info,
                             const net::CancelToken& cancel = net::CancelToken());

class UpdateChecker : public QObject {
    Q_OBJECT

  public:
    struct Config {
        UpdateInfo info;
        // Holds the time of the last automatic check; empty: never kept.
        std::filesystem::path stateFile;
        std::function<Instant()> clock;
        // How often the timer looks whether a day has passed; a laptop that
        // slept through the due time checks soon after waking.
        std::chrono::milliseconds pollInterval = std::chrono::hours(1);

        // Info.json, $XDG_CONFIG_HOME/solvane/last-update-check, system clock.
        static Config standard();
    };

    explicit UpdateChecker(Config config, QObject* parent = nullptr);
    // Cancels a check in flight and waits for it.
    ~UpdateChecker() override;

    UpdateChecker(const UpdateChecker&) = delete;
    UpdateChecker& operator=(const UpdateChecker&) = delete;

    // The menu command. A second request while one runs is folded into it.
    void checkNow();
    // Checks now when the last automatic check is a day old or unknown, and
    // again whenever a day has passed.
    void startAutomaticChecks();
    bool automaticCheckDue() const;
    bool checking() const { return checking_; }

  signals:
    // On the main thread. `requested`: the user asked (show every outcome);
    // otherwise an automatic check (worth showing only when available).
    void checkFinished(const solvane::app::UpdateResult& result, bool requested);

  private:
    void start(bool requested);
    std::optional<Instant> lastAutomaticCheck() const;
    void recordAutomaticCheck(Instant when) const;

    Config config_;
    QTimer timer_;
    bool checking_ = false;
    bool requested_ = false;
    net::CancelToken cancel_;
    QThreadPool worker_;
};

}  // namespace solvane::app
