#include "widgets/catalogue.h"

#include <string>

namespace solvane::widgets {

namespace {

ParameterSpec styleParameter() {
    ParameterSpec style;
    style.name = std::string(kStyleParameter);
    style.title = "Style";
    style.kind = ParameterSpec::Kind::enumeration;
    style.typeLabel = "Style";
    style.options = {{"glass", "Liquid Glass"}, {"dark", "Dark"}, {"light", "Light"}};
    style.defaultValue = std::string(toString(WidgetStyle::glass));
    return style;
}

}  // namespace

IntentSpec styleIntent() {
    return {"StyleIntent", "Style", {styleParameter()}};
}

IntentSpec countdownsIntent() {
    ParameterSpec countdowns;
    countdowns.name = std::string(kCountdownsParameter);
    countdowns.title = "Countdowns";
    countdowns.kind = ParameterSpec::Kind::entityList;
    countdowns.typeLabel = "Countdown";
    return {"CountdownsIntent", "Countdowns", {countdowns, styleParameter()}};
}

std::vector<WidgetKindSpec> widgetCatalogue() {
    return {
        {std::string(kSolvaneKind),
         "Solvane",
         "Countdowns, weather, sun and moon at a glance.",
         {WidgetFamily::extraLarge},
         countdownsIntent()},
        {std::string(kSkyKind),
         "Sky",
         "Weather, sunrise, sunset, golden hour and the moon.",
         {WidgetFamily::large},
         styleIntent()},
        {std::string(kCountdownsKind),
         "Countdowns",
         "Count down to the days you care about.",
         {WidgetFamily::small, WidgetFamily::medium},
         countdownsIntent()},
        {std::string(kMoonKind),
         "Moon",
         "Moon phase, moonrise and moonset.",
         {WidgetFamily::small},
         styleIntent()},
    };
}

bool takesCountdowns(std::string_view kind) {
    return kind == kSolvaneKind || kind == kCountdownsKind;
}

std::optional<std::vector<Uuid>> selectedCountdowns(const Configuration& configuration) {
    const auto found = configuration.entityLists.find(std::string(kCountdownsParameter));
    if (found == configuration.entityLists.end()) {
        return std::nullopt;
    }
    std::vector<Uuid> ids;
    ids.reserve(found->second.size());
    for (const std::string& text : found->second) {
        if (auto id = Uuid::parse(text)) {
            ids.push_back(*id);
        }
    }
    return ids;
}

std::optional<std::vector<Uuid>> selectionFor(std::string_view kind,
                                              const Configuration& configuration) {
    if (!takesCountdowns(kind)) {
        return std::nullopt;
    }
    return selectedCountdowns(configuration);
}

WidgetStyle selectedStyle(const Configuration& configuration) {
    const auto found = configuration.choices.find(std::string(kStyleParameter));
    if (found == configuration.choices.end()) {
        return WidgetStyle::glass;
    }
    return enumFromString<WidgetStyle>(found->second).value_or(WidgetStyle::glass);
}

}  // namespace solvane::widgets
