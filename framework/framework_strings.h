// The layer's own message texts, found after the program's string table.
#pragma once

#include <span>

#include "framework/resources.h"

std::span<const StringResource> FrameworkStrings();
