#include "core/util/enum_strings.h"

#include <gtest/gtest.h>

#include "core/model/countdown.h"

namespace solvane {
namespace {

template <class E>
void expectRoundTrip(const std::vector<std::string_view>& names) {
    const auto cases = allCases<E>();
    ASSERT_EQ(cases.size(), names.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(toString(cases[i]), names[i]);
        EXPECT_EQ(enumFromString<E>(names[i]), cases[i]);
    }
}

TEST(EnumStrings, EveryCaseRoundTripsInDeclarationOrder) {
    expectRoundTrip<DuringMode>({"progress", "hide"});
    expectRoundTrip<CountUnit>({"days", "weeks", "workdays"});
}

TEST(EnumStrings, UnknownTextIsNotACase) {
    for (std::string_view text : {"", "Progress", "hide ", "day", "months", "workday"}) {
        EXPECT_EQ(enumFromString<DuringMode>(text), std::nullopt) << text;
        EXPECT_EQ(enumFromString<CountUnit>(text), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace solvane
