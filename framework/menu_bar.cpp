#include "framework/menu_bar.h"

#include <QEvent>
#include <QMenu>
#include <QPointer>
#include <QProxyStyle>

#include "framework/afx_messages.h"
#include "framework/menu.h"
#include "framework/window_class.h"
#include "framework/wnd.h"

namespace {

void SendToOwner(const QPointer<QWidget>& owner, UINT message, WPARAM wParam, LPARAM lParam) {
    if (CWnd* wnd = owner ? CWnd::FromHandle(owner.data()) : nullptr) {
        wnd->SendMessage(message, wParam, lParam);
    }
}

int PositionIn(QWidget* container, QAction* action) {
    return container != nullptr ? static_cast<int>(container->actions().indexOf(action)) : -1;
}

// Greyed items can be highlighted too, so that their prompts can be read.
class MenuStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == QStyle::SH_Menu_AllowActiveAndDisabled) {
            return 1;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// A drop-down menu that tells its owner window what happens in it.
class AfxPopupMenu : public QMenu {
public:
    AfxPopupMenu(const QString& title, QWidget* parent, HWND owner, bool topLevel)
        : QMenu(title, parent), m_owner(owner) {
        connect(this, &QMenu::aboutToShow, this, [this]() {
            m_lastActive = nullptr;
            const int position = PositionIn(parentWidget(), menuAction());
            SendToOwner(m_owner, WM_INITMENUPOPUP,
                        reinterpret_cast<WPARAM>(static_cast<HMENU>(this)),
                        static_cast<LPARAM>(position < 0 ? 0 : position));
            // The drop-down's title is highlighted until an item is.
            SendToOwner(m_owner, WM_MENUSELECT, MAKEWPARAM(static_cast<UINT>(position), MF_POPUP),
                        reinterpret_cast<LPARAM>(qobject_cast<QMenu*>(parentWidget())));
        });
        if (!topLevel) {
            return;
        }
        // Items of nested menus report through the menu at the top as well.
        connect(this, &QMenu::hovered, this, [this](QAction* action) { ReportHighlight(action); });
        connect(this, &QMenu::triggered, this, [this](QAction* action) {
            if (action->menu<QMenu*>() == nullptr && !action->isSeparator()) {
                SendToOwner(m_owner, WM_COMMAND, MAKEWPARAM(action->data().toUInt(), 0), 0);
            }
        });
        connect(this, &QMenu::aboutToHide, this, [this]() {
            SendToOwner(m_owner, WM_MENUSELECT, MAKEWPARAM(0, MF_MENU_CLOSED), 0);
        });
    }

protected:
    // Qt reports a newly highlighted item, but not that the highlight has gone (onto a
    // separator, or off the menu); the owner hears of that as an empty item.
    bool event(QEvent* event) override {
        const bool result = QMenu::event(event);
        if (isVisible() && activeAction() != m_lastActive) {
            m_lastActive = activeAction();
            if (m_lastActive == nullptr || m_lastActive->isSeparator()) {
                SendToOwner(m_owner, WM_MENUSELECT, MAKEWPARAM(0, MF_SEPARATOR),
                            reinterpret_cast<LPARAM>(static_cast<HMENU>(this)));
            }
        }
        return result;
    }

private:
    void ReportHighlight(QAction* action) {
        m_lastActive = action;
        auto* menu = qobject_cast<QMenu*>(action->parent());
        UINT flags = 0;
        UINT id = action->data().toUInt();
        if (action->menu<QMenu*>() != nullptr) {
            flags = MF_POPUP;
            id = 0;
        } else if (action->isSeparator()) {
            flags = MF_SEPARATOR;
            id = 0;
        }
        SendToOwner(m_owner, WM_MENUSELECT, MAKEWPARAM(id, flags),
                    reinterpret_cast<LPARAM>(static_cast<HMENU>(menu)));
    }

    QPointer<QWidget> m_owner;
    QAction* m_lastActive = nullptr;
};

void FillMenu(QMenu* menu, std::span<const MenuItemTemplate> items, HWND owner, QStyle* style) {
    menu->setStyle(style);
    CMenu* wrapper = CMenu::FromHandle(menu);
    for (const MenuItemTemplate& item : items) {
        if ((item.flags & MF_POPUP) != 0) {
            auto* sub = new AfxPopupMenu(AfxQString(item.text), menu, owner, false);
            FillMenu(sub, item.popup, owner, style);
            wrapper->AppendMenu(item.flags, reinterpret_cast<UINT_PTR>(static_cast<HMENU>(sub)),
                                item.text);
        } else {
            wrapper->AppendMenu(item.text == nullptr ? item.flags | MF_SEPARATOR : item.flags,
                                item.id, item.text);
        }
    }
}

}  // namespace

void AfxFillMenuBar(QMenuBar* bar, std::span<const MenuItemTemplate> items, HWND owner) {
    // The menu belongs to the window, also where the desktop offers a global menu bar:
    // the status bar's prompts follow it.
    bar->setNativeMenuBar(false);
    auto* style = new MenuStyle;
    style->setParent(bar);
    for (const MenuItemTemplate& item : items) {
        if ((item.flags & MF_POPUP) != 0) {
            auto* popup = new AfxPopupMenu(AfxQString(item.text), bar, owner, true);
            FillMenu(popup, item.popup, owner, style);
            QAction* title = bar->addMenu(popup);
            title->setEnabled((item.flags & (MF_GRAYED | MF_DISABLED)) == 0);
        } else if (item.text != nullptr) {
            QAction* action = bar->addAction(AfxQString(item.text));
            action->setData(static_cast<uint>(item.id));
            action->setEnabled((item.flags & (MF_GRAYED | MF_DISABLED)) == 0);
            QPointer<QWidget> target(owner);
            QObject::connect(action, &QAction::triggered, bar, [target, action]() {
                SendToOwner(target, WM_COMMAND, MAKEWPARAM(action->data().toUInt(), 0), 0);
            });
        }
    }
}
