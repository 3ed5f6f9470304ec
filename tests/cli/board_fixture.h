// The board command run in process against a store of its own, as the
// command-line tests share it.
#pragma once

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

#include "cli/board_command.h"
#include "support/temp_dir.h"

namespace solvane::cli {

class BoardFixture : public ::testing::Test {
  protected:
    explicit BoardFixture(const char* now) : env(*parseIso8601(now), newYork()) {
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
        const int status = boardCommand(args, env, out, err);
        return {status, out.str(), err.str()};
    }

    testing::TempDir dir;
    SharedStore store{StorePaths{dir.path() / "suite.sqlite", dir.path() / "fallback.sqlite",
                                 dir.path() / "data"},
                      "en_US"};
    Environment env;
};

}  // namespace solvane::cli
