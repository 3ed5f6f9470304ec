// Text the calendar readers take apart by its ASCII form only: the process
// locale must not decide what a colour, a scheme or a host is.
#pragma once

#include <string>
#include <string_view>

namespace solvane::platform::ascii {

inline std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kSpace = " \t\r\n\f\v";
    const auto first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

inline std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

}  // namespace solvane::platform::ascii
