#include "platform/system_clock.h"

#include <chrono>

namespace solvane::platform {

Instant systemNow() {
    using namespace std::chrono;
    return Instant::fromUnix(
        duration_cast<duration<double>>(system_clock::now().time_since_epoch()).count());
}

}  // namespace solvane::platform
