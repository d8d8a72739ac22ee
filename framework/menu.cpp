#include "framework/menu.h"

#include <QAction>
#include <QMenu>
#include <memory>
#include <unordered_map>
#include <utility>

#include "framework/window_class.h"

namespace {

std::unordered_map<HMENU, std::unique_ptr<CMenu>>& MenuObjects() {
    static std::unordered_map<HMENU, std::unique_ptr<CMenu>> objects;
    return objects;
}

UINT ItemId(const QAction* action) {
    return action->data().toUInt();
}

// An item and the menu that holds it.
struct MenuItem {
    QMenu* menu = nullptr;
    QAction* action = nullptr;
    explicit operator bool() const { return action != nullptr; }
};

// By position in this menu, or by command anywhere in it and its drop-down menus.
MenuItem FindItem(QMenu* menu, UINT nItem, UINT nFlags) {
    if (menu == nullptr) {
        return {};
    }
    const QList<QAction*> actions = menu->actions();
    if ((nFlags & MF_BYPOSITION) != 0) {
        return nItem < static_cast<UINT>(actions.size()) ? MenuItem{menu, actions[nItem]}
                                                         : MenuItem{};
    }
    for (QAction* action : actions) {
        if (auto* sub = action->menu<QMenu*>()) {
            if (MenuItem found = FindItem(sub, nItem, nFlags)) {
                return found;
            }
        } else if (!action->isSeparator() && ItemId(action) == nItem) {
            return {menu, action};
        }
    }
    return {};
}

void SetChecked(QAction* action, bool checked) {
    // Only a checked item shows a mark; an unchecked one looks like any other item.
    action->setCheckable(checked);
    action->setChecked(checked);
}

void ApplyState(QAction* action, UINT nFlags) {
    action->setEnabled((nFlags & (MF_GRAYED | MF_DISABLED)) == 0);
    if (!action->isSeparator()) {
        SetChecked(action, (nFlags & MF_CHECKED) != 0);
    }
}

QAction* MakeItem(QMenu* owner, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    QAction* action = nullptr;
    if ((nFlags & MF_SEPARATOR) != 0) {
        action = new QAction(owner);
        action->setSeparator(true);
        return action;
    }
    if ((nFlags & MF_POPUP) != 0) {
        auto* sub = reinterpret_cast<QMenu*>(nIDNewItem);
        if (sub == nullptr) {
            return nullptr;
        }
        sub->setTitle(AfxQString(lpszNewItem));
        action = sub->menuAction();
    } else {
        action = new QAction(AfxQString(lpszNewItem), owner);
        action->setData(static_cast<uint>(nIDNewItem));
    }
    ApplyState(action, nFlags);
    return action;
}

void DropItem(const MenuItem& item, bool destroySubMenu) {
    item.menu->removeAction(item.action);
    if (auto* sub = item.action->menu<QMenu*>()) {
        if (destroySubMenu) {
            delete sub;  // its menu action goes with it
        }
    } else if (item.action->parent() == item.menu) {
        delete item.action;
    }
}

}  // namespace

CMenu* CMenu::FromHandle(HMENU hMenu) {
    if (hMenu == nullptr) {
        return nullptr;
    }
    auto& objects = MenuObjects();
    auto it = objects.find(hMenu);
    if (it == objects.end()) {
        it = objects.emplace(hMenu, std::make_unique<CMenu>(hMenu)).first;
        QObject::connect(hMenu, &QObject::destroyed, [hMenu]() { MenuObjects().erase(hMenu); });
    }
    return it->second.get();
}

UINT CMenu::GetMenuItemCount() const {
    return m_hMenu != nullptr ? static_cast<UINT>(m_hMenu->actions().size())
                              : static_cast<UINT>(-1);
}

UINT CMenu::GetMenuItemID(int nPos) const {
    const MenuItem item = FindItem(m_hMenu, static_cast<UINT>(nPos), MF_BYPOSITION);
    if (!item || item.action->menu<QMenu*>() != nullptr) {
        return static_cast<UINT>(-1);
    }
    return item.action->isSeparator() ? 0 : ItemId(item.action);
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const {
    const MenuItem item = FindItem(m_hMenu, nID, nFlags);
    if (!item) {
        return static_cast<UINT>(-1);
    }
    UINT state = item.action->isEnabled() ? MF_ENABLED : MF_GRAYED;
    if (item.action->isChecked()) {
        state |= MF_CHECKED;
    }
    if (item.action->isSeparator()) {
        state |= MF_SEPARATOR;
    }
    if (item.action->menu<QMenu*>() != nullptr) {
        state |= MF_POPUP;
    }
    return state;
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
    const MenuItem item = FindItem(m_hMenu, nIDItem, nFlags);
    rString = item ? CString(item.action->text().toStdString()) : CString();
    return rString.GetLength();
}

CMenu* CMenu::GetSubMenu(int nPos) const {
    const MenuItem item = FindItem(m_hMenu, static_cast<UINT>(nPos), MF_BYPOSITION);
    return item ? FromHandle(item.action->menu<QMenu*>()) : nullptr;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    if (m_hMenu == nullptr) {
        return FALSE;
    }
    QAction* action = MakeItem(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
    if (action == nullptr) {
        return FALSE;
    }
    m_hMenu->addAction(action);
    return TRUE;
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    if (m_hMenu == nullptr) {
        return FALSE;
    }
    const MenuItem before = FindItem(m_hMenu, nPosition, nFlags);
    QMenu* target = before ? before.menu : m_hMenu;
    QAction* action = MakeItem(target, nFlags, nIDNewItem, lpszNewItem);
    if (action == nullptr) {
        return FALSE;
    }
    target->insertAction(before.action, action);
    return TRUE;
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    const MenuItem item = FindItem(m_hMenu, nPosition, nFlags);
    if (!item) {
        return FALSE;
    }
    const bool plainBefore = !item.action->isSeparator() && item.action->menu<QMenu*>() == nullptr;
    const bool plainAfter = (nFlags & (MF_SEPARATOR | MF_POPUP)) == 0;
    if (plainBefore && plainAfter) {
        // A plain item keeps its object, so that whoever holds it still reaches it.
        item.action->setText(AfxQString(lpszNewItem));
        item.action->setData(static_cast<uint>(nIDNewItem));
        ApplyState(item.action, nFlags);
        return TRUE;
    }
    QAction* action = MakeItem(item.menu, nFlags, nIDNewItem, lpszNewItem);
    if (action == nullptr) {
        return FALSE;
    }
    item.menu->insertAction(item.action, action);
    DropItem(item, true);
    return TRUE;
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) {
    const MenuItem item = FindItem(m_hMenu, nPosition, nFlags);
    if (!item) {
        return FALSE;
    }
    DropItem(item, true);
    return TRUE;
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags) {
    const MenuItem item = FindItem(m_hMenu, nPosition, nFlags);
    if (!item) {
        return FALSE;
    }
    DropItem(item, false);
    return TRUE;
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
    const MenuItem item = FindItem(m_hMenu, nIDEnableItem, nEnable);
    if (!item) {
        return static_cast<UINT>(-1);
    }
    const UINT previous = item.action->isEnabled() ? MF_ENABLED : MF_GRAYED;
    item.action->setEnabled((nEnable & (MF_GRAYED | MF_DISABLED)) == 0);
    return previous;
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
    const MenuItem item = FindItem(m_hMenu, nIDCheckItem, nCheck);
    if (!item) {
        return static_cast<UINT>(-1);
    }
    const UINT previous = item.action->isChecked() ? MF_CHECKED : MF_UNCHECKED;
    SetChecked(item.action, (nCheck & MF_CHECKED) != 0);
    return previous;
}

void CMenuCmdUI::ApplyEnable(BOOL bOn) {
    if (m_pMenu != nullptr) {
        m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : MF_GRAYED));
    }
}

void CMenuCmdUI::ApplyCheck(int nCheck) {
    if (m_pMenu != nullptr) {
        m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck != 0 ? MF_CHECKED : MF_UNCHECKED));
    }
}

void CMenuCmdUI::ApplyText(LPCTSTR lpszText) {
    if (m_pMenu == nullptr) {
        return;
    }
    const UINT state = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION);
    if (state == static_cast<UINT>(-1) || (state & (MF_SEPARATOR | MF_POPUP)) != 0) {
        return;
    }
    m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | (state & (MF_GRAYED | MF_CHECKED)),
                        m_nID, lpszText);
}
