#include "support/zone_files.h"

#include <chrono>
#include <fstream>

#include "support/child_process.h"

namespace solvane::testing {

namespace fs = std::filesystem;

bool installZone(const fs::path& tzdir, const std::string& name, const std::string& source) {
    const fs::path stage = tzdir.parent_path() / (tzdir.filename().string() + ".stage");
    fs::remove_all(stage);
    fs::create_directories(stage);
    std::ofstream(stage / "source") << source;
    const Finished zic = runProgram(
        {"/usr/sbin/zic", "-b", "fat", "-d", (stage / "out").string(), (stage / "source").string()},
        {"PATH=/usr/bin:/bin"}, stage, stage / "zic.out", stage / "zic.err",
        std::chrono::seconds(30));
    const fs::path built = stage / "out" / name;
    if (zic.code != 0 || !fs::exists(built)) {
        return false;
    }
    fs::create_directories((tzdir / name).parent_path());
    fs::rename(built, tzdir / name);
    fs::remove_all(stage);
    return true;
}

}  // namespace solvane::testing
