// Inside the layer: the lights of the lock keys, read through the X keyboard
// extension where the display is an X display.
#pragma once

#include <optional>

#include "framework/afx_types.h"

// Whether the light of VK_CAPITAL, VK_NUMLOCK or VK_SCROLL is on; nothing where the
// display does not tell (no X display, no keyboard extension, another key).
std::optional<bool> AfxLockKeyLight(WORD nVirtKey);
