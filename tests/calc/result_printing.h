#pragma once

#include <ostream>

#include "calc/calculator.h"

// Lets GoogleTest show calculator results readably when a case fails.
namespace quarvel {

inline std::ostream& operator<<(std::ostream& out, CalcError error) {
    switch (error) {
        case CalcError::BaudRateZero:
            return out << "BaudRateZero";
        case CalcError::RcdvTcdvMismatch:
            return out << "RcdvTcdvMismatch";
        case CalcError::CdvInvalid:
            return out << "CdvInvalid";
    }
    return out << "CalcError(" << static_cast<int>(error) << ")";
}

inline std::ostream& operator<<(std::ostream& out, const CdvResult& result) {
    return out << "CDV \"" << result.cdvText << "\" BCR \"" << result.bcrText << "\"";
}

template <typename T>
std::ostream& operator<<(std::ostream& out, const Result<T>& result) {
    if (result) return out << *result;
    return out << result.error();
}

}  // namespace quarvel
