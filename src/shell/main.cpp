// solvane-options: writes the shell completions of Solvane's programs, and
// the list of their options, from the tables their parsers read. Run by the
// build; not installed.
//
//   solvane-options completions build/share  // bash-completion/completions/…,
//                                            // zsh/vendor-completions/…,
//                                            // fish/vendor_completions.d/…
//   solvane-options completions build/share data/holidays  // with country codes
//   solvane-options list
#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "board/symbol_library.h"
#include "cli/board_options.h"
#include "core/holidays/holiday_catalog.h"
#include "host/render_options.h"
#include "shell/completions.h"
#include "widgets/catalogue.h"

namespace {

using namespace solvane;

// Every country of the holiday files, each followed by its regions: DE,
// DE-BW, DE-BY, …
std::vector<std::string> countriesAndRegions(const std::filesystem::path& folder) {
    std::vector<std::string> codes;
    for (const std::string& country : holidayCountries(folder)) {
        codes.push_back(country);
        if (const auto file = loadCountry(folder, country)) {
            for (const HolidayRegion& region : file->regions) {
                codes.push_back(country + "-" + region.code);
            }
        }
    }
    return codes;
}

shell::ValueLists valueLists(const std::optional<std::filesystem::path>& holidays) {
    shell::ValueLists lists;
    for (const std::string_view symbol : SymbolLibrary::all()) {
        lists.symbols.emplace_back(symbol);
    }
    for (const widgets::WidgetKindSpec& kind : widgets::widgetCatalogue()) {
        lists.widgetKinds.push_back(kind.kind);
        for (const widgets::ParameterSpec& p : kind.intent.parameters) {
            auto& values = lists.widgetParameters[p.name];
            for (const widgets::EnumOption& option : p.options) {
                if (std::find(values.begin(), values.end(), option.value) == values.end()) {
                    values.push_back(option.value);
                }
            }
        }
    }
    if (holidays) {
        lists.countries = countriesAndRegions(*holidays);
    }
    return lists;
}

bool write(const std::filesystem::path& file, const std::string& text) {
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::fprintf(stderr, "solvane-options: cannot write %s\n", file.c_str());
        return false;
    }
    return true;
}

int usage() {
    std::fputs("usage: solvane-options list | completions DIR [HOLIDAY_FOLDER]\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::array<const ProgramSpec*, 3> programs{&app::appProgram(), &cli::boardProgram(),
                                                     &host::widgetsProgram()};
    const std::string_view what = argc > 1 ? argv[1] : "";
    if (what == "list" && argc == 2) {
        std::fputs(shell::optionListing(programs).c_str(), stdout);
        return std::ferror(stdout) != 0 ? 1 : 0;
    }
    if (what != "completions" || argc < 3 || argc > 4) {
        return usage();
    }
    const std::filesystem::path dir = argv[2];
    const shell::ValueLists lists =
        valueLists(argc == 4 ? std::optional<std::filesystem::path>(argv[3]) : std::nullopt);
    bool written = true;
    for (const ProgramSpec* p : programs) {
        const std::string name(p->name);
        written =
            write(dir / "bash-completion/completions" / name, shell::bashCompletion(*p, lists)) &&
            write(dir / "zsh/vendor-completions" / ("_" + name), shell::zshCompletion(*p, lists)) &&
            write(dir / "fish/vendor_completions.d" / (name + ".fish"),
                  shell::fishCompletion(*p, lists)) &&
            written;
    }
    return written ? 0 : 1;
}
