#include "widgets/catalogue.h"

#include <QCoreApplication>

#include <string>

#include "widgets/widget_kinds.h"

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
    std::vector<WidgetKindSpec> specs;
    for (const WidgetKind& kind : widgetKinds()) {
        specs.push_back({std::string(kind.name), kindTitle(kind).toStdString(),
                         QCoreApplication::translate("WidgetCatalogue", kind.summary).toStdString(),
                         kind.families, kind.intent()});
    }
    return specs;
}

bool takesCountdowns(std::string_view kind) {
    const WidgetKind* found = findWidgetKind(kind);
    return found != nullptr && found->takesCountdowns;
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
