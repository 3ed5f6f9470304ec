#include "core/util/display_text.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <cstdint>

namespace solvane {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isDirectionalControl(char32_t c) {
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

bool breaksTheLine(char32_t c) {
    const auto category = static_cast<UCharCategory>(u_charType(static_cast<UChar32>(c)));
    return category == U_CONTROL_CHAR || category == U_LINE_SEPARATOR ||
           category == U_PARAGRAPH_SEPARATOR;
}

void append(std::string& out, char32_t c) {
    char bytes[U8_MAX_LENGTH];
    int32_t length = 0;
    UBool error = false;
    U8_APPEND(bytes, length, U8_MAX_LENGTH, static_cast<UChar32>(c), error);
    if (!error) {
        out.append(bytes, static_cast<std::size_t>(length));
    }
}

// Walks `text` one code point at a time; a malformed sequence reads as
// U+FFFD and is skipped whole, so every step makes progress.
template <typename Visit>
void forEachCodePoint(std::string_view text, Visit visit) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    int32_t i = 0;
    while (i < length) {
        const int32_t start = i;
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (!visit(c < 0 ? kReplacement : static_cast<char32_t>(c), static_cast<std::size_t>(start),
                   static_cast<std::size_t>(i))) {
            return;
        }
    }
}

int columnsOf(char32_t c) {
    const auto ch = static_cast<UChar32>(c);
    const auto category = static_cast<UCharCategory>(u_charType(ch));
    if (category == U_NON_SPACING_MARK || category == U_ENCLOSING_MARK ||
        category == U_FORMAT_CHAR || category == U_CONTROL_CHAR ||
        (c >= 0x1160 && c <= 0x11FF)) {  // Hangul vowels and finals join the syllable
        return 0;
    }
    const auto width =
        static_cast<UEastAsianWidth>(u_getIntPropertyValue(ch, UCHAR_EAST_ASIAN_WIDTH));
    return width == U_EA_WIDE || width == U_EA_FULLWIDTH ? 2 : 1;
}

}  // namespace

std::string oneLine(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    forEachCodePoint(text, [&](char32_t c, std::size_t, std::size_t) {
        if (isDirectionalControl(c)) {
            return true;
        }
        append(out, breaksTheLine(c) ? U' ' : c);
        return true;
    });
    return out;
}

std::size_t displayWidth(std::string_view utf8) {
    std::size_t columns = 0;
    forEachCodePoint(utf8, [&](char32_t c, std::size_t, std::size_t) {
        columns += static_cast<std::size_t>(columnsOf(c));
        return true;
    });
    return columns;
}

std::string clipToWidth(std::string_view utf8, std::size_t width) {
    if (width == 0 || displayWidth(utf8) <= width) {
        return std::string(utf8);
    }
    // Room for the ellipsis, which takes one column.
    std::size_t columns = 0;
    std::size_t end = 0;
    forEachCodePoint(utf8, [&](char32_t c, std::size_t, std::size_t next) {
        const auto w = static_cast<std::size_t>(columnsOf(c));
        if (columns + w > width - 1) {
            return false;
        }
        columns += w;
        end = next;
        return true;
    });
    std::string head(utf8.substr(0, end));
    while (!head.empty() && head.back() == ' ') {
        head.pop_back();
    }
    return head + "…";
}

std::string padToWidth(std::string_view utf8, std::size_t width) {
    const std::size_t w = displayWidth(utf8);
    std::string out(utf8);
    if (w < width) {
        out.append(width - w, ' ');
    }
    return out;
}

}  // namespace solvane
