#include "core/util/display_text.h"

#include <gtest/gtest.h>

#include <string>

namespace solvane {
namespace {

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
    EXPECT_EQ(displayWidth("한국"), 4u);
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
