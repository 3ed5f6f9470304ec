// The command line run in process against a store of its own, as the
// command-line tests share it.
#pragma once

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

#include "cli/board_cli.h"
#include "support/temp_dir.h"

namespace solvane::cli {

// Every member `expected` names, at any depth, as in `actual`.
inline void expectHas(const nlohmann::json& actual, const char* expected) {
    const auto flat = nlohmann::json::parse(expected).flatten();
    for (const auto& [at, value] : flat.items()) {
        const nlohmann::json::json_pointer pointer(at);
        EXPECT_EQ(actual.contains(pointer) ? actual[pointer] : nlohmann::json("absent"), value)
            << at;
    }
}

// A countdown on the fixed day `start`, as the tests store them.
inline Countdown countdownOn(std::string label, Instant start) {
    Countdown c;
    c.id = Uuid::random();
    c.label = std::move(label);
    c.start = DateRule::fixed(start);
    return c;
}

class BoardFixture : public ::testing::Test {
  protected:
    explicit BoardFixture(const char* now = "2025-12-20T12:00:00-05:00")
        : env(*parseIso8601(now), newYork()) {
        env.store = store;
    }

    static Calendar newYork() { return *Calendar::make("America/New_York", "en_US"); }

    struct Outcome {
        int status;
        std::string out;
        std::string err;
        nlohmann::json json() const { return nlohmann::json::parse(out); }
    };

    Outcome run(const std::vector<std::string>& args) {
        std::ostringstream out, err;
        const int status = cli::run(args, env, out, err);
        return {status, out.str(), err.str()};
    }

    // What a command that must succeed prints.
    std::string output(const std::vector<std::string>& args) {
        const Outcome outcome = run(args);
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        return outcome.out;
    }

    testing::TempDir dir;
    // Never the user's own store, even for commands that do not read it.
    SharedStore store{StorePaths{dir.path() / "suite.sqlite", dir.path() / "fallback.sqlite",
                                 dir.path() / "data"},
                      "en_US"};
    Environment env;
};

}  // namespace solvane::cli
