// Tests that each write into a new local calendar "Family" of their own in the
// private EDS (eds_session.h), skipped where EDS is not installed. One
// EdsWriter serves the suite: its registry lives as long as the process.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/eds/eds_session.h"

namespace solvane::testing {

class EdsCalendarTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!edsUnavailable()) {
            writer_ = EdsWriter::open(writerError_).release();
        }
    }
    static void TearDownTestSuite() {
        delete writer_;
        writer_ = nullptr;
    }

    void SetUp() override {
        if (auto why = edsUnavailable()) {
            GTEST_SKIP() << *why;
        }
        ASSERT_NE(writer_, nullptr) << writerError_;
        std::string error;
        calendar_ = writer_->addCalendar("Family", "#3a87ad", error);
        ASSERT_TRUE(calendar_) << error;
        SetUpWithCalendar();
    }

    // A suite's own set-up, run only once the calendar is there.
    virtual void SetUpWithCalendar() {}

    std::unique_ptr<EdsCalendar> calendar_;

    static EdsWriter& writer() { return *writer_; }

  private:
    static inline EdsWriter* writer_ = nullptr;
    static inline std::string writerError_;
};

// The whole main: the private session must exist before anything connects to a bus.
inline int runEdsTests(int argc, char** argv) {
    if (const auto code = runInPrivateSession(argc, argv)) {
        return *code;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

}  // namespace solvane::testing
