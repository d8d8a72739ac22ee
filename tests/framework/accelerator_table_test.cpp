// Which entry of an accelerator table a key message stands for.
#include <gtest/gtest.h>

#include "framework/accelerators.h"
#include "framework/afx_messages.h"
#include "framework/virtual_keys.h"
#include "qt_app_fixture.h"

namespace {

constexpr ACCEL kTable[] = {
    {FVIRTKEY | FCONTROL, 'N', 1},
    {FVIRTKEY | FALT, VK_BACK, 2},
    {FVIRTKEY | FSHIFT, VK_INSERT, 3},
    {FVIRTKEY | FCONTROL, VK_INSERT, 4},
    {FCONTROL, 'Q', 5},  // not a virtual key: never matched by key messages
    {FVIRTKEY | ACCEL_END, VK_F6, 6},
    {FVIRTKEY, VK_F1, 7},  // after the end mark
};

WORD CommandFor(UINT message, WORD key, Qt::KeyboardModifiers modifiers) {
    const AfxKeyModifiersScope scope(modifiers);
    MSG msg;
    msg.message = message;
    msg.wParam = key;
    const ACCEL* entry = AfxFindAccelerator(kTable, &msg);
    return entry != nullptr ? entry->cmd : 0;
}

TEST(AcceleratorTable, KeyAndModifiersMustMatchExactly) {
    const struct {
        UINT message;
        WORD key;
        Qt::KeyboardModifiers modifiers;
        WORD command;
    } kCases[] = {
        {WM_KEYDOWN, 'N', Qt::ControlModifier, 1},
        {WM_KEYDOWN, 'N', Qt::NoModifier, 0},
        {WM_KEYDOWN, 'N', Qt::ControlModifier | Qt::ShiftModifier, 0},
        {WM_SYSKEYDOWN, VK_BACK, Qt::AltModifier, 2},
        {WM_KEYDOWN, VK_BACK, Qt::NoModifier, 0},
        {WM_KEYDOWN, VK_INSERT, Qt::ShiftModifier, 3},
        {WM_KEYDOWN, VK_INSERT, Qt::ControlModifier, 4},
        {WM_KEYDOWN, VK_INSERT, Qt::NoModifier, 0},
        {WM_KEYDOWN, 'Q', Qt::ControlModifier, 0},
        {WM_KEYDOWN, VK_F6, Qt::KeypadModifier, 6},  // the keypad is no modifier here
        {WM_KEYDOWN, VK_F1, Qt::NoModifier, 0},
        {WM_CHAR, 'N', Qt::ControlModifier, 0},
        {WM_KEYUP, 'N', Qt::ControlModifier, 0},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(CommandFor(c.message, c.key, c.modifiers), c.command)
            << "message " << c.message << " key " << c.key;
    }
}

TEST(AcceleratorTable, QtKeysHaveTheirVirtualKeyCodes) {
    EXPECT_EQ(AfxVirtualKey(Qt::Key_N), 'N');
    EXPECT_EQ(AfxVirtualKey(Qt::Key_7), '7');
    EXPECT_EQ(AfxVirtualKey(Qt::Key_F6), VK_F6);
    EXPECT_EQ(AfxVirtualKey(Qt::Key_Backspace), VK_BACK);
    EXPECT_EQ(AfxVirtualKey(Qt::Key_Backtab), VK_TAB);
    EXPECT_EQ(AfxVirtualKey(Qt::Key_Insert), VK_INSERT);
    EXPECT_EQ(AfxVirtualKey(Qt::Key_Delete), VK_DELETE);
    EXPECT_EQ(AfxVirtualKey(Qt::Key_Eacute), 0);
}

}  // namespace
