// Inside the layer: window classes (which widget realises a window, and its default
// behaviour) and what the layer records for each window. Uses Qt; the program's
// own code never includes this header.
#pragma once

#include <QWidget>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/afx_types.h"

class CWnd;

struct WindowClass {
    const char* name;
    // Makes the widget for a window of this class, as a child of `parent` (null for
    // a top-level window).
    QWidget* (*create)(const CREATESTRUCT& cs, QWidget* parent);
    // The class's default handling of a message; null for DefaultWindowProc alone.
    LRESULT (*proc)(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Where children of such a window go (a scroll area's inner widget, say); null
    // for the window's own widget.
    QWidget* (*clientOf)(QWidget* widget);
};

// Registers a class under its name; a later registration of the same name replaces it.
void AfxRegisterWindowClass(const WindowClass& windowClass);
const WindowClass* AfxFindWindowClass(std::string_view name);

// What the layer records for a window while it exists.
struct WindowData {
    const WindowClass* windowClass = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    int id = 0;
    HWND parent = nullptr;          // the parent window (not necessarily the Qt parent)
    unsigned long long order = 0;   // creation order, the order of siblings
    CWnd* permanent = nullptr;      // the object that receives the window's messages
    std::unique_ptr<CWnd> wrapper;  // the layer's own receiving object, when no other
    std::vector<std::unique_ptr<CWnd>> retired;  // earlier wrappers, kept for their holders
};

WindowData* AfxGetWindowData(HWND hWnd);
// Records a widget as a window (the widget then counts as a window of the class).
WindowData& AfxRegisterWindow(HWND hWnd, const WindowClass* windowClass, HWND parent, int id,
                              DWORD style, DWORD exStyle);
// Drops the record of a window that is being destroyed: its objects let go of it,
// and a permanent object gets PostNcDestroy.
void AfxForgetWindow(HWND hWnd);
// Keeps a window's later widget destruction from forgetting it again (for windows
// that DestroyWindow forgets itself).
void AfxStopWatchingDestruction(HWND hWnd);

// The direct child windows of a window, in creation order.
std::vector<HWND> AfxChildWindows(HWND hWnd);
// The widget that holds a window's children.
QWidget* AfxClientWidget(HWND hWnd);

// Behaviour every window has: window text, enabling, closing.
LRESULT AfxDefaultWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Sends WM_COMMAND with a notification code from a control to its parent window.
void AfxNotifyParent(HWND hControl, UINT nCode);

// WM_GETTEXT: copies at most capacity - 1 bytes of `text` into the buffer, never
// splitting a character, with a terminating zero; returns the bytes copied.
LRESULT AfxCopyText(const std::string& text, WPARAM capacity, LPARAM buffer);

// QString from and to the layer's UTF-8 texts.
QString AfxQString(LPCTSTR text);
