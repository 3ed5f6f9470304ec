// One QApplication for the whole run (widgets, and queued calls back to the
// main thread), on the offscreen platform when no other is asked for.
#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct WidgetEnvironment : ::testing::Environment {
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app.reset(); }

    int argc = 1;
    char name[16] = "app_test";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> app;
};

[[maybe_unused]] const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new WidgetEnvironment);

}  // namespace
