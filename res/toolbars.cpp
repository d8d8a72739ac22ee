#include "res/resources.h"

std::span<const BinaryResource> QuarvelToolbars() { return {}; }
