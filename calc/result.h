#pragma once

#include <utility>
#include <variant>

#include "calc/calc_error.h"

namespace quarvel {

// Either a value or the CalcError that prevented it. The calculator never throws; callers test
// the result before they read it.
template <typename T>
class Result {
public:
    Result(T value) : m_state(std::move(value)) {}
    Result(CalcError error) : m_state(error) {}
    // Builds the value where it will stay, without a move.
    template <typename... Args>
    explicit Result(std::in_place_t, Args&&... args)
        : m_state(std::in_place_type<T>, std::forward<Args>(args)...) {}

    bool has_value() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return has_value(); }

    // Asking for the side that is not there throws std::bad_variant_access.
    const T& value() const { return std::get<T>(m_state); }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }

    CalcError error() const { return std::get<CalcError>(m_state); }

    friend bool operator==(const Result&, const Result&) = default;

private:
    std::variant<T, CalcError> m_state;
};

}  // namespace quarvel
