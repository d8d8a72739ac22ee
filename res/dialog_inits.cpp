// Dialog-initialisation data: the list items of the calculator form.
#include "res/resources.h"

std::span<const BinaryResource> QuarvelDialogInits() { return {}; }
