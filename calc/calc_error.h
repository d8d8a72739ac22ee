#pragma once

#include <string_view>

namespace quarvel {

// The three ways a calculation can fail; the form shows the message in a box titled "ERROR".
enum class CalcError {
    BaudRateZero,
    RcdvTcdvMismatch,
    CdvInvalid,
};

std::string_view ErrorMessageText(CalcError error);

}  // namespace quarvel
