// Why the shared store could not be read or written, said to the user
// rather than hidden behind defaults or another file.
//
//   busy         another program held it for longer than a read waits
//   damaged      it cannot be read as a store, and could not be set right
//   full         the disk has no room for the change
//   readOnly     its folder or file cannot be written
//   denied       it is not ours to read or write any more
//   notAFile     a link or a folder stands where it belongs; never followed
//   unavailable  there is no folder for it at all, or the system failed it
#pragma once

#include <array>
#include <string>

#include "core/util/enum_strings.h"
#include "core/util/result.h"

namespace solvane {

enum class StoreFault {
    busy,
    damaged,
    full,
    readOnly,
    denied,
    notAFile,
    unavailable,
};

template <>
struct EnumCases<StoreFault> {
    static constexpr std::array<EnumCase<StoreFault>, 7> list{{
        {StoreFault::busy, "busy"},
        {StoreFault::damaged, "damaged"},
        {StoreFault::full, "full"},
        {StoreFault::readOnly, "readOnly"},
        {StoreFault::denied, "denied"},
        {StoreFault::notAFile, "notAFile"},
        {StoreFault::unavailable, "unavailable"},
    }};
};

// What a person reads about the fault, in their language: "The disk is full."
std::string storeFaultText(StoreFault fault);

// A save that went through.
struct Saved {
    bool operator==(const Saved&) const = default;
};

using StoreResult = Result<Saved, StoreFault>;

template <class T>
using StoreRead = Result<T, StoreFault>;

}  // namespace solvane
