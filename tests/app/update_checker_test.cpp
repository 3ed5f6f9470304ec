// The update check against feeds served on the loopback interface, the
// appcast reading and the version order.
#include "app/update_checker.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>

#include "app_fakes.h"
#include "support/loopback_http_server.h"
#include "support/temp_dir.h"

namespace solvane::app {
namespace {

using testing::HttpTestReply;
using testing::HttpTestRequest;
using testing::LoopbackHttpServer;

std::string appcast(const std::string& items) {
    return R"(<?xml version="1.0" encoding="utf-8"?>
<rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle">
<channel><title>Solvane</title>)" +
           items + "</channel></rss>";
}

const std::string kTwoReleases = appcast(R"(
<item><title>0.9</title>
  <enclosure url="https://example.org/solvane-0.9.tar.gz" sparkle:version="0.9"/></item>
<item><title>0.10</title><link>https://example.org/releases/0.10</link>
  <sparkle:version>210</sparkle:version>
  <sparkle:shortVersionString>0.10</sparkle:shortVersionString></item>)");

HttpTestReply xmlReply(int status, std::string body) {
    return HttpTestReply{status, std::move(body), {{"Content-Type", "application/rss+xml"}}};
}

TEST(UpdateCheckerVersions, CompareNumericallyPartByPart) {
    EXPECT_GT(compareVersions("1.10", "1.9"), 0);
    EXPECT_LT(compareVersions("1.9", "1.10"), 0);
    EXPECT_EQ(compareVersions("1.2", "1.2.0"), 0);
    EXPECT_GT(compareVersions("2", "1.99.99"), 0);
    EXPECT_LT(compareVersions("2.0b1", "2.0"), 0);
    EXPECT_LT(compareVersions("2.0b1", "2.0b2"), 0);
    EXPECT_EQ(compareVersions("99999999999999999999999", "99999999999999999999998"), 0);
    EXPECT_EQ(compareVersions("", "0"), 0);
    EXPECT_LT(compareVersions("..", "0.0.1"), 0);
}

TEST(UpdateCheckerAppcast, ReadsAttributesElementsAndAddresses) {
    auto items = parseAppcast(kTwoReleases);
    ASSERT_TRUE(items);
    EXPECT_EQ(*items, (std::vector<AppcastItem>{
                          {"0.9", "https://example.org/solvane-0.9.tar.gz"},
                          {"0.10", "https://example.org/releases/0.10"},
                      }));

    // No version, or no web address to send the user to: not offered.
    items = parseAppcast(appcast(R"(
<item><link>https://example.org/x</link></item>
<item><sparkle:version>5.0</sparkle:version><link>file:///etc/passwd</link></item>
<item><enclosure url="javascript:void" sparkle:version="6.0"/></item>)"));
    ASSERT_TRUE(items);
    EXPECT_TRUE(items->empty());

    EXPECT_FALSE(parseAppcast("<rss><channel><item></channel></rss>"));
    EXPECT_FALSE(parseAppcast(""));
    EXPECT_FALSE(parseAppcast(std::string(kMaxAppcastBytes + 1, ' ')));
}

TEST(UpdateCheckerInfo, ReadsFeedAndVersionFromInfoJson) {
    testing::TempDir dir;
    const auto file = dir.path() / "Info.json";
    std::ofstream(file) << R"({"AppGroup":"g","Version":"1.4.2","UpdateFeed":"https://x/a.xml"})";
    UpdateInfo info = readUpdateInfo(file, "0");
    EXPECT_EQ(info.feed, "https://x/a.xml");
    EXPECT_EQ(info.version, "1.4.2");

    std::ofstream(file, std::ios::trunc) << R"({"UpdateFeed":"","Version":7})";
    info = readUpdateInfo(file, "0.1.0");
    EXPECT_FALSE(info.feed);
    EXPECT_EQ(info.version, "0.1.0");
    EXPECT_FALSE(readUpdateInfo(dir.path() / "missing.json", "0").feed);
}

TEST(UpdateCheckerFeed, ReportsNewerSameAndEveryFailure) {
    std::string body = kTwoReleases;
    int status = 200;
    LoopbackHttpServer server([&](const HttpTestRequest&) { return xmlReply(status, body); });
    const UpdateInfo running{server.url() + "/appcast.xml", "0.9.1"};

    UpdateResult result = checkForUpdates(running);
    EXPECT_EQ(result.kind, UpdateResult::Kind::available);
    EXPECT_EQ(result.message,
              "Solvane 0.10 is available — download it from https://example.org/releases/0.10.");
    EXPECT_EQ(server.requests().back().path(), "/appcast.xml");

    result = checkForUpdates(UpdateInfo{running.feed, "0.10"});
    EXPECT_EQ(result.kind, UpdateResult::Kind::upToDate);
    EXPECT_EQ(result.message, "You're up to date (Solvane 0.10).");
    EXPECT_EQ(checkForUpdates(UpdateInfo{running.feed, "1.0"}).kind, UpdateResult::Kind::upToDate);

    // Each failure says what happened and what to do, and keeps the exact
    // technical text apart; never an internal name in the sentence.
    const struct {
        int status;
        std::string body;
        const char *says, *detail;
    } failures[] = {
        {200, "<rss><channel><item><title>broken", "could not be read", "not well-formed XML"},
        {200, "<rss><channel></channel></rss>", "lists no versions", "no item"},
        {500, kTwoReleases, "had a problem. Try again later.", "HTTP 500"},
        {404, kTwoReleases, "may be out of date", "HTTP 404"},
    };
    for (const auto& f : failures) {
        status = f.status;
        body = f.body;
        result = checkForUpdates(running);
        EXPECT_EQ(result.kind, UpdateResult::Kind::failed) << f.detail;
        EXPECT_TRUE(result.message.starts_with("Solvane couldn't check for updates: "));
        EXPECT_NE(result.message.find(f.says), std::string::npos) << result.message;
        EXPECT_EQ(result.message.find("Error."), std::string::npos) << result.message;
        EXPECT_NE(result.detail.find(f.detail), std::string::npos) << result.detail;
    }

    server.stop();
    result = checkForUpdates(running);
    EXPECT_EQ(result.kind, UpdateResult::Kind::failed);
    EXPECT_EQ(result.message,
              "Solvane couldn't check for updates: the update server could not be reached. "
              "Check the connection and try again.");
    EXPECT_EQ(result.detail, "HttpError.cannotConnect");
}

class UpdateCheckerAuto : public ::testing::Test {
  protected:
    std::optional<std::pair<UpdateResult, bool>> runUntilFinished(UpdateChecker& checker) {
        std::optional<std::pair<UpdateResult, bool>> finished;
        auto connection = QObject::connect(&checker, &UpdateChecker::checkFinished,
                                           [&](const UpdateResult& r, bool requested) {
                                               finished = std::make_pair(r, requested);
                                           });
        fakes::waitUntil([&] { return finished.has_value(); });
        QObject::disconnect(connection);
        return finished;
    }

    UpdateChecker::Config configFor(std::optional<std::string> feed) {
        return {.info = UpdateInfo{std::move(feed), "0.9"},
                .stateFile = dir_.path() / "solvane" / "last-update-check",
                .clock = [this] { return now_; }};
    }

    testing::TempDir dir_;
    Instant now_ = Instant::fromUnix(1'700'000'000);
};

TEST_F(UpdateCheckerAuto, ChecksOffTheMainThreadAndOnceADay) {
    LoopbackHttpServer server([&](const HttpTestRequest&) { return xmlReply(200, kTwoReleases); });
    const UpdateChecker::Config config = configFor(server.url() + "/appcast.xml");
    UpdateChecker checker(config);

    EXPECT_TRUE(checker.automaticCheckDue());
    checker.startAutomaticChecks();
    EXPECT_TRUE(checker.checking()) << "the request runs on a worker";
    auto finished = runUntilFinished(checker);
    ASSERT_TRUE(finished);
    EXPECT_EQ(finished->first.kind, UpdateResult::Kind::available);
    EXPECT_FALSE(finished->second);
    EXPECT_FALSE(checker.automaticCheckDue());

    now_ = now_ + 23 * 3600.0;
    EXPECT_FALSE(UpdateChecker(config).automaticCheckDue()) << "kept across runs";
    now_ = now_ + 3600.0;
    EXPECT_TRUE(checker.automaticCheckDue());
    now_ = Instant::fromUnix(1'600'000'000);
    EXPECT_TRUE(checker.automaticCheckDue()) << "a clock set back does not stop checks";

    std::ofstream(config.stateFile, std::ios::trunc) << "garbage";
    EXPECT_TRUE(checker.automaticCheckDue());

    checker.checkNow();
    finished = runUntilFinished(checker);
    ASSERT_TRUE(finished);
    EXPECT_TRUE(finished->second);
    EXPECT_EQ(server.requestCount(), 2u);
}

TEST_F(UpdateCheckerAuto, NoFeedIsNeverDueAndSaysSoWhenAsked) {
    const UpdateChecker::Config config = configFor(std::nullopt);
    UpdateChecker checker(config);
    EXPECT_FALSE(checker.automaticCheckDue());
    checker.checkNow();
    auto finished = runUntilFinished(checker);
    ASSERT_TRUE(finished);
    EXPECT_EQ(finished->first.kind, UpdateResult::Kind::noFeed);
    EXPECT_EQ(finished->first.message, "No update feed is configured.");
    EXPECT_FALSE(std::filesystem::exists(config.stateFile));
}

}  // namespace
}  // namespace solvane::app
