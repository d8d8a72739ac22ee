#include "res/resources.h"

std::span<const BinaryResource> QuarvelBitmaps() { return {}; }
