#include "core/util/uuid.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace solvane {
namespace {

TEST(Uuid, TextRoundTripIsUpperCaseCanonical) {
    const std::array<std::uint8_t, 16> bytes{0xe6, 0x21, 0xe1, 0xf8, 0xc3, 0x6c, 0x49, 0x5a,
                                             0x93, 0xfc, 0x0c, 0x24, 0x7a, 0x3e, 0x6e, 0x5f};
    const Uuid id(bytes);
    EXPECT_EQ(id.toString(), "E621E1F8-C36C-495A-93FC-0C247A3E6E5F");
    EXPECT_EQ(Uuid::parse("e621e1f8-c36c-495a-93fc-0c247a3e6e5f"), id);
    EXPECT_EQ(Uuid::parse("E621e1f8-C36C-495a-93FC-0c247A3E6E5F"), id);
    EXPECT_EQ(Uuid().toString(), "00000000-0000-0000-0000-000000000000");
}

TEST(Uuid, RejectsAnythingButCanonicalText) {
    for (const char* text : {
             "",
             "E621E1F8C36C495A93FC0C247A3E6E5F",        // no dashes
             "{E621E1F8-C36C-495A-93FC-0C247A3E6E5F}",  // braces
             "E621E1F8-C36C-495A-93FC-0C247A3E6E5",     // short
             "E621E1F8-C36C-495A-93FC-0C247A3E6E5F0",   // long
             "E621E1F-8C36C-495A-93FC-0C247A3E6E5F",    // dash moved
             "G621E1F8-C36C-495A-93FC-0C247A3E6E5F",    // not hex
             "E621E1F8-C36C-495A-93FC 0C247A3E6E5F",    // space for dash
             " E621E1F8-C36C-495A-93FC-0C247A3E6E5",    // leading space
             "E621E1F8-C36C-495A-93FC-0C247A3E6É",      // non-ASCII
         }) {
        EXPECT_EQ(Uuid::parse(text), std::nullopt) << text;
    }
}

TEST(Uuid, RandomIsVersionFourAndDistinct) {
    std::set<Uuid> seen;
    for (int i = 0; i < 1000; ++i) {
        const Uuid id = Uuid::random();
        EXPECT_EQ(id.bytes()[6] >> 4, 4);
        EXPECT_EQ(id.bytes()[8] >> 6, 2);
        EXPECT_EQ(Uuid::parse(id.toString()), id);
        seen.insert(id);
    }
    EXPECT_EQ(seen.size(), 1000u);
}

TEST(Uuid, NamedIsVersionFiveAndTheSameForTheSameName) {
    const Uuid dns = *Uuid::parse("6BA7B810-9DAD-11D1-80B4-00C04FD430C8");
    EXPECT_EQ(Uuid::named(dns, "python.org").toString(), "886313E1-3B8A-5372-9B90-0C9AEE199E5D");
    EXPECT_EQ(Uuid::named(dns, "a"), Uuid::named(dns, "a"));
    EXPECT_NE(Uuid::named(dns, "a"), Uuid::named(dns, "b"));
    EXPECT_NE(Uuid::named(dns, "a"), Uuid::named(Uuid(), "a"));
}

}  // namespace
}  // namespace solvane
