// Menus: CMenu's items, and the update of a drop-down menu's items through the
// command route when it opens, also when an update handler adds items of its own.
#include "framework/menu.h"

#include <gtest/gtest.h>

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "framework/frame_wnd.h"
#include "qt_app_fixture.h"

namespace {

TEST(Menu, ItemsByCommandAndByPosition) {
    QMenu qmenu;
    QMenu* qsub = new QMenu(&qmenu);
    CMenu* menu = CMenu::FromHandle(&qmenu);
    EXPECT_EQ(CMenu::FromHandle(&qmenu), menu);
    ASSERT_TRUE(menu->AppendMenu(MF_STRING, 10, "&Ten\tCtrl+T"));
    ASSERT_TRUE(menu->AppendMenu(MF_SEPARATOR));
    ASSERT_TRUE(menu->AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(qsub), "&More"));
    CMenu::FromHandle(qsub)->AppendMenu(MF_STRING | MF_GRAYED | MF_CHECKED, 30, "Thirty");
    ASSERT_TRUE(menu->InsertMenu(10, MF_BYCOMMAND | MF_STRING, 5, "Five"));
    ASSERT_TRUE(menu->InsertMenu(99, MF_BYPOSITION | MF_STRING, 40, "Forty"));  // at the end

    EXPECT_EQ(menu->GetMenuItemCount(), 5u);
    const UINT ids[] = {5, 10, 0, static_cast<UINT>(-1), 40};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(menu->GetMenuItemID(i), ids[i]) << i;
    }
    EXPECT_EQ(menu->GetMenuItemID(5), static_cast<UINT>(-1));
    EXPECT_EQ(menu->GetSubMenu(3)->m_hMenu, qsub);
    // By command the drop-down menus are searched too.
    EXPECT_EQ(menu->GetMenuState(30, MF_BYCOMMAND), MF_GRAYED | MF_CHECKED);
    EXPECT_EQ(menu->GetMenuState(3, MF_BYPOSITION), MF_POPUP);
    EXPECT_EQ(menu->GetMenuState(77, MF_BYCOMMAND), static_cast<UINT>(-1));
    CString text;
    EXPECT_EQ(menu->GetMenuString(10, text, MF_BYCOMMAND), 11);
    EXPECT_EQ(text, CString("&Ten\tCtrl+T"));

    EXPECT_EQ(menu->EnableMenuItem(10, MF_GRAYED), MF_ENABLED);
    EXPECT_EQ(menu->EnableMenuItem(10, MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(menu->CheckMenuItem(1, MF_BYPOSITION | MF_CHECKED), MF_UNCHECKED);
    EXPECT_EQ(menu->GetMenuState(10, MF_BYCOMMAND), MF_CHECKED);
    EXPECT_EQ(menu->CheckMenuItem(30, MF_UNCHECKED), MF_CHECKED);

    QAction* item = qmenu.actions()[1];
    ASSERT_TRUE(menu->ModifyMenu(10, MF_BYCOMMAND | MF_STRING | MF_GRAYED, 11, "Eleven"));
    EXPECT_EQ(qmenu.actions()[1], item);  // the same item, renamed and renumbered
    EXPECT_EQ(menu->GetMenuItemID(1), 11u);
    EXPECT_EQ(menu->GetMenuState(1, MF_BYPOSITION), MF_GRAYED);

    EXPECT_TRUE(menu->DeleteMenu(0, MF_BYPOSITION));
    EXPECT_TRUE(menu->DeleteMenu(40, MF_BYCOMMAND));
    EXPECT_FALSE(menu->DeleteMenu(40, MF_BYCOMMAND));
    EXPECT_EQ(menu->GetMenuItemCount(), 3u);
    EXPECT_EQ(menu->GetMenuItemID(0), 11u);
}

constexpr UINT kList = 100;       // its handler puts two entries after it, and moves on
constexpr UINT kUnhandled = 200;  // nobody handles it
constexpr UINT kLoose = 300;      // its handler adds an entry and leaves the position
constexpr UINT kHandled = 400;

constexpr MenuItemTemplate kItems[] = {
    {"List", kList, MF_STRING, {}},
    {"Unhandled", kUnhandled, MF_STRING, {}},
    {"Loose", kLoose, MF_STRING, {}},
    {"Handled", kHandled, MF_STRING, {}},
};
constexpr MenuItemTemplate kBar[] = {{"&Menu", 0, MF_POPUP, kItems}};
constexpr MenuResource kMenus[] = {{1, kBar}};
constexpr StringResource kStrings[] = {{1, "Test"}};

class CListFrame : public CFrameWnd {
public:
    int m_updates = 0;

protected:
    void OnUpdateList(CCmdUI* pCmdUI) {
        ++m_updates;
        CMenu* menu = pCmdUI->m_pMenu;
        menu->DeleteMenu(kList + 1, MF_BYCOMMAND);
        menu->DeleteMenu(kList + 2, MF_BYCOMMAND);
        pCmdUI->Enable(TRUE);
        menu->InsertMenu(pCmdUI->m_nIndex + 1, MF_BYPOSITION | MF_STRING, kList + 1, "Entry 1");
        menu->InsertMenu(pCmdUI->m_nIndex + 2, MF_BYPOSITION | MF_STRING, kList + 2, "Entry 2");
        pCmdUI->m_nIndex += 2;
        pCmdUI->m_nIndexMax = menu->GetMenuItemCount();
    }
    void OnUpdateLoose(CCmdUI* pCmdUI) {
        CMenu* menu = pCmdUI->m_pMenu;
        menu->DeleteMenu(kLoose + 1, MF_BYCOMMAND);
        menu->InsertMenu(pCmdUI->m_nIndex + 1, MF_BYPOSITION | MF_STRING, kLoose + 1, "Extra");
        pCmdUI->Enable(TRUE);
    }
    void OnHandled() {}
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CListFrame, CFrameWnd)
ON_UPDATE_COMMAND_UI(kList, &CListFrame::OnUpdateList)
ON_UPDATE_COMMAND_UI(kLoose, &CListFrame::OnUpdateLoose)
ON_COMMAND(kHandled, &CListFrame::OnHandled)
END_MESSAGE_MAP()

TEST(Menu, OpeningUpdatesEachItemOnceAroundItemsThatHandlersAdd) {
    static AfxResourceSet resources;
    resources.menus = kMenus;
    resources.strings = kStrings;
    AfxSetResources(resources);
    auto* frame = new CListFrame;
    ASSERT_TRUE(frame->LoadFrame(1));
    frame->ShowWindow(SW_SHOW);
    auto* window = qobject_cast<QMainWindow*>(frame->m_hWnd);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QMenuBar* bar = window->menuBar();
    QAction* title = bar->actions().front();
    QMenu* menu = title->menu<QMenu*>();

    for (int opening = 1; opening <= 2; ++opening) {
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(title).center());
        ASSERT_TRUE(QTest::qWaitFor([menu]() { return menu->isVisible(); }));
        QStringList items;
        for (QAction* action : menu->actions()) {
            items << action->text() + (action->isEnabled() ? "" : " (grey)");
        }
        EXPECT_EQ(items, QStringList({"List", "Entry 1", "Entry 2", "Unhandled (grey)", "Loose",
                                      "Extra", "Handled"}));
        EXPECT_EQ(frame->m_updates, opening);
        QTest::keyClick(menu, Qt::Key_Escape);
        QTest::keyClick(bar, Qt::Key_Escape);
    }
    frame->DestroyWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    static const AfxResourceSet none{};
    AfxSetResources(none);
}

}  // namespace
