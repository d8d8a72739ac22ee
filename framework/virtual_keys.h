// Inside the layer: Qt's keys as virtual-key codes, and the modifiers of the key
// being handled. Uses Qt; the program's own code never includes this header.
#pragma once

#include <Qt>

#include "framework/afx_types.h"

// The virtual-key code of a Qt key (Qt::Key_A is 'A', Qt::Key_F6 is VK_F6); 0 for
// keys without one.
WORD AfxVirtualKey(int qtKey);

// While it lives, GetKeyState reports these modifiers for Shift, Ctrl and Alt.
class AfxKeyModifiersScope {
public:
    explicit AfxKeyModifiersScope(Qt::KeyboardModifiers modifiers);
    ~AfxKeyModifiersScope();
    AfxKeyModifiersScope(const AfxKeyModifiersScope&) = delete;
    AfxKeyModifiersScope& operator=(const AfxKeyModifiersScope&) = delete;

private:
    bool m_hadModifiers;
    Qt::KeyboardModifiers m_saved;
};

// The modifiers of the key being handled, else those the window system reports now.
Qt::KeyboardModifiers AfxCurrentKeyModifiers();
