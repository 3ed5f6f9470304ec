// The core's texts in the user's language.
//
// The core makes words the user reads (units and captions of countdown rows,
// relative days, durations, reminder sentences) but knows nothing of Qt's
// catalogues. Every such text goes through translate(), whose source text
// and context are what the catalogues are keyed by; the programs install a
// function backed by their catalogues, tests may install their own, and
// without one the English source comes back. Tables of texts are marked with
// SOLVANE_TRANSLATE_NOOP so the catalogue tools find them, and translated
// where they are shown.
//
// Plurals follow Qt's rules: the source holds "%n" and the count is passed
// as `n`; an English source writes its plural ending as "(s)" ("%n day(s)"),
// which the English fallback (no catalogue, or none for the text) resolves.
//
//   std::string unit = translate("CountdownDisplay", "%n day(s)", nullptr, 5);  // "5 days"
//   std::string sky = translate("MoonPhase", SkySnapshot::phaseNameSource(0.5));
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text for the catalogues where it is defined; it is translated
// later, with the same context, where it is shown.
#define SOLVANE_TRANSLATE_NOOP(context, text) text
// The same for a text whose source is shared by several messages, each told
// apart for the translator by its disambiguation.
#define SOLVANE_TRANSLATE_NOOP3(context, text, disambiguation) \
    ::solvane::TranslatableText {                              \
        text, disambiguation                                   \
    }

namespace solvane {

struct TranslatableText {
    const char* source;
    const char* disambiguation;
};

// `n` < 0: no count. Returns UTF-8.
using TranslateFunction = std::string (*)(const char* context, const char* source,
                                          const char* disambiguation, int n);

// Replaces the function for every later call; null restores the English
// fallback. Set once at start, before any other thread translates.
void installTranslation(TranslateFunction function);

std::string translate(const char* context, const char* source, const char* disambiguation = nullptr,
                      int n = -1);

// The English fallback alone: "%n" replaced by `n`, "(s)" dropped for 1 and
// made "s" otherwise.
std::string englishText(const char* source, int n = -1);

// `text` with "%1", "%2", … replaced by the arguments, as QString::arg does
// for a translated pattern whose words come in another order.
std::string withArguments(std::string text, std::initializer_list<std::string_view> arguments);

}  // namespace solvane
