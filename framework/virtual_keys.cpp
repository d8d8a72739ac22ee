#include "framework/virtual_keys.h"

#include <QGuiApplication>

#include "framework/resources.h"

namespace {

// Keys that resources.h does not name.
constexpr WORD VK_PAUSE = 0x13;
constexpr WORD VK_PRIOR = 0x21;
constexpr WORD VK_NEXT = 0x22;
constexpr WORD VK_END = 0x23;
constexpr WORD VK_HOME = 0x24;
constexpr WORD VK_LEFT = 0x25;
constexpr WORD VK_UP = 0x26;
constexpr WORD VK_RIGHT = 0x27;
constexpr WORD VK_DOWN = 0x28;
constexpr int kFunctionKeys = 24;

bool g_hasModifiers = false;
Qt::KeyboardModifiers g_modifiers;

}  // namespace

WORD AfxVirtualKey(int qtKey) {
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
        return static_cast<WORD>(qtKey);  // the same codes as upper-case ASCII
    }
    if (qtKey >= Qt::Key_F1 && qtKey < Qt::Key_F1 + kFunctionKeys) {
        return static_cast<WORD>(VK_F1 + (qtKey - Qt::Key_F1));
    }
    switch (qtKey) {
        case Qt::Key_Backspace:
            return VK_BACK;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return VK_TAB;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return VK_RETURN;
        case Qt::Key_Shift:
            return VK_SHIFT;
        case Qt::Key_Control:
            return VK_CONTROL;
        case Qt::Key_Alt:
            return VK_MENU;
        case Qt::Key_Pause:
            return VK_PAUSE;
        case Qt::Key_CapsLock:
            return VK_CAPITAL;
        case Qt::Key_Escape:
            return VK_ESCAPE;
        case Qt::Key_Space:
            return VK_SPACE;
        case Qt::Key_PageUp:
            return VK_PRIOR;
        case Qt::Key_PageDown:
            return VK_NEXT;
        case Qt::Key_End:
            return VK_END;
        case Qt::Key_Home:
            return VK_HOME;
        case Qt::Key_Left:
            return VK_LEFT;
        case Qt::Key_Up:
            return VK_UP;
        case Qt::Key_Right:
            return VK_RIGHT;
        case Qt::Key_Down:
            return VK_DOWN;
        case Qt::Key_Insert:
            return VK_INSERT;
        case Qt::Key_Delete:
            return VK_DELETE;
        case Qt::Key_NumLock:
            return VK_NUMLOCK;
        case Qt::Key_ScrollLock:
            return VK_SCROLL;
        default:
            return 0;
    }
}

AfxKeyModifiersScope::AfxKeyModifiersScope(Qt::KeyboardModifiers modifiers)
    : m_hadModifiers(g_hasModifiers), m_saved(g_modifiers) {
    g_hasModifiers = true;
    g_modifiers = modifiers;
}

AfxKeyModifiersScope::~AfxKeyModifiersScope() {
    g_hasModifiers = m_hadModifiers;
    g_modifiers = m_saved;
}

Qt::KeyboardModifiers AfxCurrentKeyModifiers() {
    return g_hasModifiers ? g_modifiers : QGuiApplication::queryKeyboardModifiers();
}
