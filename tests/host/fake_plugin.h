// A plug-in with two kinds shaped like the real ones, answers set and calls counted.
#pragma once

#include <atomic>
#include <stdexcept>

#include "widgets/widget_plugin.h"

namespace solvane::host::testing {

class FakeEntry : public widgets::WidgetEntry {
  public:
    FakeEntry(Instant date, int serial) : date_(date), serial_(serial) {}
    Instant date() const override { return date_; }
    int serial() const { return serial_; }

  private:
    Instant date_;
    int serial_;
};

class FakePlugin : public widgets::WidgetPlugin {
  public:
    enum class Failure { none, empty, exception };

    int version = widgets::kWidgetPluginVersion;
    Failure timelineFailure = Failure::none;
    Instant now{700000000.0};
    mutable std::atomic<int> timelineCalls{0};
    int serial = 0;

    int interfaceVersion() const override { return version; }

    std::vector<widgets::WidgetKindSpec> kinds() const override {
        using widgets::ParameterSpec;
        using widgets::WidgetFamily;
        const std::vector<widgets::EnumOption> styles = {
            {"glass", "Liquid Glass"}, {"dark", "Dark"}, {"light", "Light"}};
        const ParameterSpec style{"style", "Style", ParameterSpec::Kind::enumeration,
                                  "Style", styles,  "glass"};
        const ParameterSpec countdowns{"countdowns", "Countdowns", ParameterSpec::Kind::entityList,
                                       "Countdown",  {},           {}};
        return {
            {"Countdowns",
             "Countdowns",
             "Count down to the days you care about.",
             {WidgetFamily::small, WidgetFamily::medium},
             {"CountdownsIntent", "Countdowns", {countdowns, style}}},
            {"Moon",
             "Moon",
             "Moon phase, moonrise and moonset.",
             {WidgetFamily::small},
             {"StyleIntent", "Style", {style}}},
        };
    }
    std::vector<widgets::Entity> suggestedEntities() const override { return {}; }
    std::vector<widgets::Entity> entitiesForIdentifiers(
        const std::vector<std::string>&) const override {
        return {};
    }
    std::shared_ptr<const widgets::WidgetEntry> placeholder(std::string_view) const override {
        return std::make_shared<FakeEntry>(now, -1);
    }
    std::shared_ptr<const widgets::WidgetEntry> snapshot(std::string_view,
                                                         const widgets::Configuration&) override {
        return std::make_shared<FakeEntry>(now, -2);
    }
    widgets::Timeline timeline(std::string_view, const widgets::Configuration&) override {
        ++timelineCalls;
        if (timelineFailure == Failure::exception) {
            throw std::runtime_error("offline");
        }
        widgets::Timeline t;
        if (timelineFailure == Failure::empty) {
            return t;
        }
        for (int i = 0; i < 8; ++i) {
            t.entries.push_back(std::make_shared<FakeEntry>(now + i * 900.0, ++serial));
        }
        t.reloadAfter = now + 1800.0;
        return t;
    }
    void paint(QPainter& painter, const QRectF& rect, std::string_view, widgets::WidgetFamily,
               widgets::RenderingMode, ColorScheme scheme, const QColor&,
               const widgets::WidgetEntry&) const override {
        painter.fillRect(rect, scheme == ColorScheme::dark ? Qt::black : Qt::white);
    }
    std::string describe(std::string_view kind, widgets::WidgetFamily,
                         const widgets::WidgetEntry&) const override {
        return std::string(kind) + ".";
    }
};

}  // namespace solvane::host::testing
