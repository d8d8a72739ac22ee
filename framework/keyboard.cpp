#include "framework/keyboard.h"

#include "framework/lock_keys.h"
#include "framework/resources.h"
#include "framework/virtual_keys.h"

namespace {

constexpr SHORT kDown = static_cast<SHORT>(0x8000);
constexpr SHORT kToggled = 0x0001;

}  // namespace

SHORT GetKeyState(int nVirtKey) {
    const auto key = static_cast<WORD>(nVirtKey);
    if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU) {
        const Qt::KeyboardModifier modifier = key == VK_SHIFT     ? Qt::ShiftModifier
                                              : key == VK_CONTROL ? Qt::ControlModifier
                                                                  : Qt::AltModifier;
        return AfxCurrentKeyModifiers().testFlag(modifier) ? kDown : SHORT{0};
    }
    if (key == VK_CAPITAL || key == VK_NUMLOCK || key == VK_SCROLL) {
        return AfxLockKeyLight(key).value_or(false) ? kToggled : SHORT{0};
    }
    return 0;
}
