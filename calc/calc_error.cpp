#include "calc/calc_error.h"

namespace quarvel {

std::string_view ErrorMessageText(CalcError error) {
    switch (error) {
        case CalcError::BaudRateZero:
            return "Baud rate cannot be zero. Re-enter the baud rate.";
        case CalcError::RcdvTcdvMismatch:
            return "RCDV value is different than TCDV value. These values must be identical.";
        case CalcError::CdvInvalid:
            break;
    }
    return "The calculated CDV value invalid. Re-enter parameters.";
}

}  // namespace quarvel
