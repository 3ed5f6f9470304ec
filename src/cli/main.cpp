#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include "cli/board_cli.h"

int main(int argc, char** argv) {
    using namespace std::chrono;
    const double unixNow =
        duration_cast<duration<double>>(system_clock::now().time_since_epoch()).count();
    const solvane::cli::Environment env{solvane::Instant::fromUnix(unixNow),
                                        solvane::Calendar::current()};
    std::vector<std::string> args(argv + 1, argv + argc);
    return solvane::cli::run(args, env, std::cout, std::cerr);
}
