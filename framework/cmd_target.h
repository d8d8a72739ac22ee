// Objects that receive commands through their message tables.
#pragma once

#include "framework/message_map.h"
#include "framework/object.h"

class CMenu;
class CWnd;

// Filled instead of calling the handler when a caller only asks whether one exists.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget = nullptr;
};

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)

public:
    CCmdTarget() = default;

    // Looks the command up in this object's tables and calls its handler. With
    // pHandlerInfo set, only reports whether a handler exists. Routing classes
    // (views, frames) override this to pass the command on along the route.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // The first entry of this object's tables, most derived first, that takes the message.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

// The user-interface element of a command (menu item, toolbar button, status pane)
// during an update request. Subclasses apply the changes to their element.
class CCmdUI {
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;

    void Enable(BOOL bOn = TRUE);
    void SetCheck(int nCheck = 1);  // 0 clear, 1 checked, 2 indeterminate
    void SetRadio(BOOL bOn = TRUE);
    void SetText(LPCTSTR lpszText);
    // Lets the update request go on to the next target of the route.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks the route for an update handler; if none enables or disables the element
    // and bDisableIfNoHndler is set, disables it when no command handler exists.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    UINT m_nID = 0;
    UINT m_nIndex = 0;
    // A menu item's update: the drop-down menu that is opening, the item's position
    // and the menu's item count. A handler may insert and remove items around its own
    // (the recent-file list does): the items it inserts are left as it made them.
    CMenu* m_pMenu = nullptr;
    CMenu* m_pSubMenu = nullptr;
    UINT m_nIndexMax = 0;
    // A bar pane or button's update: the bar.
    CWnd* m_pOther = nullptr;
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;

protected:
    virtual void ApplyEnable(BOOL /*bOn*/) {}
    virtual void ApplyCheck(int /*nCheck*/) {}
    virtual void ApplyRadio(BOOL bOn) { ApplyCheck(bOn ? 1 : 0); }
    virtual void ApplyText(LPCTSTR /*lpszText*/) {}
};
