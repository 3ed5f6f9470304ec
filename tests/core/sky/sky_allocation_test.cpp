// A snapshot, computed for every widget timeline entry, and the calendar calls
// it makes must not touch the heap. This binary counts operator new and, on
// glibc, malloc (ICU's); not under AddressSanitizer, which owns both.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <new>

#include "core/sky/sky_snapshot.h"

#if defined(__SANITIZE_ADDRESS__)
#define SOLVANE_SKY_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SOLVANE_SKY_ASAN 1
#endif
#endif

#ifndef SOLVANE_SKY_ASAN

namespace {
std::atomic<bool> gCounting{false};
std::atomic<long> gNews{0};
std::atomic<long> gMallocs{0};
}  // namespace

// GCC pairs the replaced operators by name at -O2 and flags free() of a block
// from operator new, although here both sides are malloc's.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

// The array forms forward to these.
void* operator new(std::size_t size) {
    gNews += gCounting ? 1 : 0;
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

#if defined(__GLIBC__)
extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_realloc(void*, std::size_t);
// free stays glibc's: these hand out glibc's own blocks.
void* malloc(std::size_t size) noexcept {
    gMallocs += gCounting ? 1 : 0;
    return __libc_malloc(size);
}
void* realloc(void* p, std::size_t size) noexcept {
    gMallocs += gCounting ? 1 : 0;
    return __libc_realloc(p, size);
}
}
#endif

namespace solvane {
namespace {

// Allocations made by `f`: operator new and malloc calls (a new is both).
std::pair<long, long> allocationsDuring(const std::function<void()>& f) {
    gNews = 0;
    gMallocs = 0;
    gCounting = true;
    f();
    gCounting = false;
    return {gNews.load(), gMallocs.load()};
}

TEST(SkySnapshotAllocation, ComputeAndItsCalendarCallsAllocateNothing) {
    const Calendar calendar = *Calendar::make("America/New_York", "en_US");
    const Instant now = *parseIso8601("2024-03-10T12:00:00-04:00");  // a clock-change day
    // The first use loads zone rules and the like; only steady state counts.
    ASSERT_TRUE(SkySnapshot::compute(now, 40.7, -74.0, calendar).moonRise);
    const Instant today = *calendar.startOfDay(now);
    const std::pair<const char*, std::function<void()>> calls[] = {
        {"civilDate", [&] { (void)calendar.civilDate(now); }},
        {"date", [&] { (void)calendar.date(2024, 3, 10, 12); }},
        {"startOfDay", [&] { (void)calendar.startOfDay(now); }},
        {"addDays", [&] { (void)calendar.addDays(today, 1); }},
        {"compute",
         [&] {
             for (int i = 0; i < 8; ++i) {
                 (void)SkySnapshot::compute(now + i * 900.0, 40.7, -74.0, calendar);
             }
             (void)SkySnapshot::compute(now, 95.0, 0.0, calendar);
             (void)SkySnapshot::compute(Instant{1e300}, 0.0, 0.0, calendar);
         }},
    };
    for (const auto& [name, call] : calls) {
        EXPECT_EQ(allocationsDuring(call), std::make_pair(0L, 0L)) << name;
    }
}

TEST(SkySnapshotAllocation, TheCountersSeeAllocations) {
    // Through a volatile pointer, so the optimiser cannot drop the pair.
    static int* volatile object = nullptr;
    const auto [news, mallocs] = allocationsDuring([] {
        object = new int(1);
        delete object;
    });
    EXPECT_EQ(news, 1);
#if defined(__GLIBC__)
    EXPECT_EQ(mallocs, 1);
    // ICU's own allocations (a time zone here) are seen as well.
    const auto icu = allocationsDuring([] { (void)Calendar::make("Asia/Tokyo", "ja_JP"); });
    EXPECT_GT(icu.second, icu.first);
#endif
}

}  // namespace
}  // namespace solvane

#endif  // SOLVANE_SKY_ASAN
