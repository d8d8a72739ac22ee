#include "res/resources.h"

std::span<const MenuResource> QuarvelMenus() { return {}; }
