#pragma once

// The whole divisor calculation: numbers from text, presets, prescaler, BCR, the two
// calculations and their errors.
#include "calc/bcr.h"
#include "calc/calc_error.h"
#include "calc/calculations.h"
#include "calc/number_text.h"
#include "calc/prescaler.h"
#include "calc/presets.h"
#include "calc/result.h"
#include "calc/wrapping_arithmetic.h"
