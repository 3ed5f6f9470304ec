#include "core/util/uuid.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/util/display_text.h"

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
             "E621E1F-8C36C-495A-93FC-0C247A3E6E5F",    // dash moved
             "G621E1F8-C36C-495A-93FC-0C247A3E6E5F",    // not hex
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

struct OneLineCase {
    const char* what;
    std::string in;
    std::string out;
};

TEST(DisplayText, OneLineLeavesNothingThatBreaksOrTurnsTheLine) {
    const OneLineCase cases[] = {
        {"plain text", "Winter solstice", "Winter solstice"},
        {"ASCII controls", "a\nb\rc\td\x1b[31me\x7f", "a b c d [31me "},
        {"line and paragraph separators", "a\u2028b\u2029c", "a b c"},
        {"next line (C1)", "a\u0085b\u009bc", "a b c"},
        {"embedding and override", "\u202Egnp.exe\u202C txt", "gnp.exe txt"},
        {"isolates", "\u2066a\u2067b\u2068c\u2069", "abc"},
        {"marks and joiners stay", "a\u200Eb\u2060c", "a\u200Eb\u2060c"},
        {"CJK and emoji stay", "東京 🎉", "東京 🎉"},
        {"broken UTF-8 becomes U+FFFD", std::string("a\xC3(b\xFF", 5), "a\uFFFD(b\uFFFD"},
        {"a cut sequence at the end", std::string("ab\xE6\x9D", 4), "ab\uFFFD"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(oneLine(c.in), c.out) << c.what;
    }
}

TEST(DisplayText, WidthCountsColumnsOfAFixedWidthFace) {
    EXPECT_EQ(displayWidth("Zoë"), 3u);
    EXPECT_EQ(displayWidth("Zoe\u0308"), 3u);  // combining diaeresis
    EXPECT_EQ(displayWidth("東京 Tokyo"), 10u);
    EXPECT_EQ(displayWidth("ｶﾀｶﾅ"), 4u);  // halfwidth katakana
    EXPECT_EQ(displayWidth("ＡＢ"), 4u);  // fullwidth Latin
    EXPECT_EQ(displayWidth("a\u2060b"), 2u);
}

TEST(DisplayText, ClipKeepsWholeCharactersAndTheColumns) {
    EXPECT_EQ(clipToWidth("Winter solstice", 8), "Winter…");  // no space before "…"
    EXPECT_EQ(clipToWidth("Winter", 6), "Winter");
    EXPECT_EQ(clipToWidth("Winter", 0), "Winter");
    // A wide character that would straddle the edge is left out whole.
    EXPECT_EQ(clipToWidth("春節の休み", 6), "春節…");
    EXPECT_EQ(displayWidth(clipToWidth("春節の休み", 6)), 5u);
    EXPECT_EQ(clipToWidth("Zoe\u0308 and Ann", 5), "Zoe\u0308…");
    EXPECT_EQ(padToWidth("東京", 6), "東京  ");
    EXPECT_EQ(padToWidth("Berlin", 3), "Berlin");
}

}  // namespace
}  // namespace solvane
