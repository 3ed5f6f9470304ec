#include "widgets/catalogue.h"

#include <QCoreApplication>

#include <string>

namespace solvane::widgets {

namespace {

ParameterSpec styleParameter() {
    ParameterSpec style;
    style.name = std::string(kStyleParameter);
    style.title = QCoreApplication::translate("WidgetCatalogue", "Style").toStdString();
    style.kind = ParameterSpec::Kind::enumeration;
    style.typeLabel = QCoreApplication::translate("WidgetCatalogue", "Style").toStdString();
    style.options = {
        {"glass", QCoreApplication::translate("WidgetCatalogue", "Liquid Glass").toStdString()},
        {"dark", QCoreApplication::translate("WidgetCatalogue", "Dark").toStdString()},
        {"light", QCoreApplication::translate("WidgetCatalogue", "Light").toStdString()}};
    style.defaultValue = std::string(toString(WidgetStyle::glass));
    return style;
}

}  // namespace

IntentSpec styleIntent() {
    return {"StyleIntent",
            QCoreApplication::translate("WidgetCatalogue", "Style").toStdString(),
            {styleParameter()}};
}

IntentSpec countdownsIntent() {
    ParameterSpec countdowns;
    countdowns.name = std::string(kCountdownsParameter);
    countdowns.title = QCoreApplication::translate("WidgetCatalogue", "Countdowns").toStdString();
    countdowns.kind = ParameterSpec::Kind::entityList;
    countdowns.typeLabel =
        QCoreApplication::translate("WidgetCatalogue", "Countdown").toStdString();
    return {"CountdownsIntent",
            QCoreApplication::translate("WidgetCatalogue", "Countdowns").toStdString(),
            {countdowns, styleParameter()}};
}

IntentSpec forecastIntent() {
    ParameterSpec show;
    show.name = std::string(kForecastShowParameter);
    show.title =
        QCoreApplication::translate("WidgetCatalogue", "Medium Widget Shows").toStdString();
    show.kind = ParameterSpec::Kind::enumeration;
    show.typeLabel = show.title;
    show.options = {
        {"hours", QCoreApplication::translate("WidgetCatalogue", "Next Hours").toStdString()},
        {"days", QCoreApplication::translate("WidgetCatalogue", "Next Days").toStdString()}};
    show.defaultValue = "hours";
    return {"ForecastIntent",
            QCoreApplication::translate("WidgetCatalogue", "Forecast").toStdString(),
            {show, styleParameter()}};
}

std::vector<WidgetKindSpec> widgetCatalogue() {
    return {
        {std::string(kSolvaneKind),
         "Solvane",
         QCoreApplication::translate("WidgetCatalogue",
                                     "Countdowns, weather, sun and moon at a glance.")
             .toStdString(),
         {WidgetFamily::extraLarge},
         countdownsIntent()},
        {std::string(kSkyKind),
         QCoreApplication::translate("WidgetCatalogue", "Sky").toStdString(),
         QCoreApplication::translate("WidgetCatalogue",
                                     "Weather, sunrise, sunset, golden hour and the moon.")
             .toStdString(),
         {WidgetFamily::large},
         styleIntent()},
        {std::string(kCountdownsKind),
         QCoreApplication::translate("WidgetCatalogue", "Countdowns").toStdString(),
         QCoreApplication::translate("WidgetCatalogue", "Count down to the days you care about.")
             .toStdString(),
         {WidgetFamily::small, WidgetFamily::medium},
         countdownsIntent()},
        {std::string(kMoonKind),
         QCoreApplication::translate("WidgetCatalogue", "Moon").toStdString(),
         QCoreApplication::translate("WidgetCatalogue", "Moon phase, moonrise and moonset.")
             .toStdString(),
         {WidgetFamily::small},
         styleIntent()},
        {std::string(kForecastKind),
         QCoreApplication::translate("WidgetCatalogue", "Forecast").toStdString(),
         QCoreApplication::translate("WidgetCatalogue", "The next hours and the week ahead.")
             .toStdString(),
         {WidgetFamily::medium, WidgetFamily::large},
         forecastIntent()},
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

bool forecastShowsDays(const Configuration& configuration) {
    const auto found = configuration.choices.find(std::string(kForecastShowParameter));
    return found != configuration.choices.end() && found->second == "days";
}

}  // namespace solvane::widgets
