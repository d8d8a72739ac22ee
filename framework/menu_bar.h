// Inside the layer: a frame's menu bar built from a menu resource. Uses Qt; the
// program's own code never includes this header.
#pragma once

#include <QMenuBar>
#include <span>

#include "framework/resources.h"

// Fills the bar with the resource's drop-down menus and reports to the owner window,
// as its messages, what the user does in them:
// - WM_INITMENUPOPUP (wParam the menu's HMENU, low word of lParam its position) just
//   before a drop-down menu opens;
// - WM_MENUSELECT (low word of wParam the item's command, high word MF_POPUP or
//   MF_SEPARATOR when it has none, lParam the HMENU) when the highlight moves, and
//   with MF_MENU_CLOSED and no menu when the menus have closed;
// - WM_COMMAND (the command, lParam 0) when an item is chosen.
void AfxFillMenuBar(QMenuBar* bar, std::span<const MenuItemTemplate> items, HWND owner);
