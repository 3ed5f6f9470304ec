#include "core/util/translation.h"

#include "core/time/text_format.h"

#include <atomic>
#include <string_view>

namespace solvane {

namespace {

std::atomic<TranslateFunction> gTranslate{nullptr};

void replaceAll(std::string& text, std::string_view what, std::string_view with) {
    for (std::size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size())) {
        text.replace(at, what.size(), with);
    }
}

}  // namespace

void installTranslation(TranslateFunction function) {
    gTranslate.store(function);
}

std::string englishText(const char* source, int n) {
    std::string text = source != nullptr ? source : "";
    if (n >= 0) {
        replaceAll(text, "%n", numberText(n));
    }
    replaceAll(text, "(s)", n == 1 ? "" : "s");
    return text;
}

std::string translate(const char* context, const char* source, const char* disambiguation, int n) {
    if (const TranslateFunction f = gTranslate.load()) {
        std::string text = f(context, source, disambiguation, n);
        // A text no catalogue knows comes back as it was written: English,
        // whose plural ending is still to be chosen.
        if (text.find("(s)") != std::string::npos) {
            replaceAll(text, "(s)", n == 1 ? "" : "s");
        }
        return text;
    }
    return englishText(source, n);
}

std::string withArguments(std::string text, std::initializer_list<std::string_view> arguments) {
    // One pass, so an argument that itself holds "%2" is left as it is.
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(text[i + 1] - '1');
            if (index < arguments.size()) {
                out += *(arguments.begin() + index);
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace solvane
