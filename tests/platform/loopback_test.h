// What tests of clients against loopback servers share.
#pragma once

#include <chrono>
#include <filesystem>

#include "support/loopback_http_server.h"
#include "support/loopback_tls_server.h"
#include "support/temp_dir.h"

namespace solvane::platform {

namespace fs = std::filesystem;
using solvane::testing::HttpTestReply;
using solvane::testing::HttpTestRequest;
using solvane::testing::LoopbackHttpServer;
using solvane::testing::LoopbackTlsServer;
using solvane::testing::TempDir;
using Behaviour = HttpTestReply::Behaviour;
using Clock = std::chrono::steady_clock;

// Only a hang guard: loaded machines are slow, but never this slow.
inline constexpr double kSlack = 5;

}  // namespace solvane::platform
