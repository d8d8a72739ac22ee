// Menus: a CMenu is the program's object for one drop-down menu.
//
// Items are addressed by command id (MF_BYCOMMAND, the default) or by position
// (MF_BYPOSITION). An item's text keeps its "&" mnemonic and, after a tab, the key
// name that the menu shows in its own column.
#pragma once

#include "framework/afx_types.h"
#include "framework/cmd_target.h"
#include "framework/cstring.h"
#include "framework/resources.h"

constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_UNCHECKED = 0x0000;
// WM_MENUSELECT with these flags and no menu: the menu has closed.
constexpr UINT MF_MENU_CLOSED = 0xFFFF;

class CMenu {
public:
    CMenu() = default;
    explicit CMenu(HMENU hMenu) : m_hMenu(hMenu) {}
    virtual ~CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;
    HMENU GetSafeHmenu() const { return m_hMenu; }
    // The layer's object for a menu, kept while the menu exists. Null for no menu.
    static CMenu* FromHandle(HMENU hMenu);

    // (UINT)-1 when there is no menu.
    UINT GetMenuItemCount() const;
    // 0 for a separator, (UINT)-1 for a drop-down item or a position with no item.
    UINT GetMenuItemID(int nPos) const;
    // MF_GRAYED, MF_CHECKED, MF_SEPARATOR and MF_POPUP as they apply; (UINT)-1 for no item.
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    // The item's text with its "&" and tab; returns its length, 0 for no item.
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    // The drop-down menu of the item at nPos, or null.
    CMenu* GetSubMenu(int nPos) const;

    // New items: MF_STRING with a command id and text, MF_SEPARATOR, or MF_POPUP with
    // the drop-down menu's handle (reinterpret_cast<UINT_PTR>(hMenu)) as nIDNewItem;
    // MF_GRAYED and MF_CHECKED may be added. InsertMenu puts the item before the one
    // named, or at the end when there is none such.
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0,
                    LPCTSTR lpszNewItem = nullptr);
    // Replaces the item named by an item made from the new flags, id and text.
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0,
                    LPCTSTR lpszNewItem = nullptr);
    // DeleteMenu destroys an item's drop-down menu with it; RemoveMenu leaves it alive.
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);
    BOOL RemoveMenu(UINT nPosition, UINT nFlags);
    // Each returns the item's previous state (MF_GRAYED or MF_CHECKED), or (UINT)-1
    // when there is no such item.
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
};

// The update request of a menu item while its drop-down menu opens (m_pMenu, m_nIndex).
class CMenuCmdUI : public CCmdUI {
protected:
    void ApplyEnable(BOOL bOn) override;
    void ApplyCheck(int nCheck) override;
    void ApplyText(LPCTSTR lpszText) override;
};
