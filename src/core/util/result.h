// Result<T, E>: a value or the error that prevented it.
//
// Failures cross module boundaries as values, never as exceptions. A Result
// holds exactly one of the two; asking for the wrong one is a programming
// error caught by an assertion in debug builds.
//
//   Result<int, ParseError> r = parse("12");
//   if (!r) return r.error().message;
//   use(*r);
#pragma once

#include <cassert>
#include <utility>
#include <variant>

namespace solvane {

template <class E>
struct Failure {
    E error;
};

template <class E>
Failure(E) -> Failure<E>;

template <class T, class E>
class Result {
  public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Failure<E> failure) : state_(std::in_place_index<1>, std::move(failure.error)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    const T& value() const& {
        assert(ok());
        return std::get<0>(state_);
    }
    T& value() & {
        assert(ok());
        return std::get<0>(state_);
    }
    T&& value() && {
        assert(ok());
        return std::get<0>(std::move(state_));
    }
    const T& operator*() const& { return value(); }
    T& operator*() & { return value(); }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }

    const E& error() const {
        assert(!ok());
        return std::get<1>(state_);
    }

    T valueOr(T fallback) const& { return ok() ? value() : std::move(fallback); }

  private:
    std::variant<T, E> state_;
};

}  // namespace solvane
