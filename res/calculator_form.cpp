// Dialog 101, the calculator form.
#include "res/resources.h"

const DialogTemplate kCalculatorForm{0x40000040, 0, 0, 0, 250, 237, "", 8, "MS Sans Serif", {}};
