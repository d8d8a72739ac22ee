// The menu bar: which items are enabled when a menu opens, the View toggles with
// their check marks, and the "Recent File" placeholder.
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <ostream>

#include "framework/afx_ids.h"
#include "framework/control_bar.h"
#include "main_window_fixture.h"
#include "res/resource_ids.h"

namespace {

struct ItemState {
    std::string text;
    bool enabled;
    bool checked;
    bool operator==(const ItemState&) const = default;
};

void PrintTo(const ItemState& item, std::ostream* os) {
    *os << item.text << (item.enabled ? " enabled" : " grey") << (item.checked ? " checked" : "");
}

// The items in menu order, separators left out.
std::vector<ItemState> StatesOf(QMenu* menu) {
    std::vector<ItemState> states;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            states.push_back(
                {action->text().toStdString(), action->isEnabled(), action->isChecked()});
        }
    }
    return states;
}

TEST_F(MainWindowTest, EachMenuEnablesTheCommandsSomebodyHandles) {
    const struct {
        const char* title;
        std::vector<ItemState> items;
    } kMenus[] = {
        {"&File",
         {{"&New\tCtrl+N", true, false},
          {"&Open...\tCtrl+O", true, false},
          {"&Save\tCtrl+S", true, false},
          {"Save &As...", true, false},
          {"&Print...\tCtrl+P", true, false},
          {"Print Pre&view", true, false},
          {"P&rint Setup...", true, false},
          {"Recent File", false, false},
          {"E&xit", true, false}}},
        {"&Edit",
         {{"&Undo\tCtrl+Z", false, false},
          {"Cu&t\tCtrl+X", false, false},
          {"&Copy\tCtrl+C", false, false},
          {"&Paste\tCtrl+V", false, false}}},
        {"&View", {{"&Toolbar", true, true}, {"&Status Bar", true, true}}},
        {"&Help", {{"&About Quarvel...", true, false}}},
    };
    for (const auto& menu : kMenus) {
        SCOPED_TRACE(menu.title);
        EXPECT_EQ(StatesOf(OpenMenu(menu.title)), menu.items);
        CloseMenus();
    }
}

TEST_F(MainWindowTest, EditMenuStaysGreyWhileAnEditBoxHasSelectedText) {
    auto* field = qobject_cast<QLineEdit*>(Control(IDC_EDIT_BAUD));
    ASSERT_NE(field, nullptr);
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClicks(field, "9600");
    field->selectAll();
    ASSERT_TRUE(field->hasSelectedText());
    QMenu* edit = OpenMenu("&Edit");
    for (const ItemState& item : StatesOf(edit)) {
        EXPECT_FALSE(item.enabled) << item.text;
    }
    CloseMenus();
}

TEST_F(MainWindowTest, MenuItemsReachTheirHandlers) {
    Choose("&File", "&New\tCtrl+N");
    Choose("&File", "&Save\tCtrl+S");
    Choose("&File", "&Print...\tCtrl+P");
    Choose("&File", "Print Pre&view");
    Choose("&File", "P&rint Setup...");
    Choose("&Help", "&About Quarvel...");
    EXPECT_EQ(Calls(), (std::vector<std::string>{"app:new", "doc:save", "view:print",
                                                 "view:preview", "app:print-setup", "app:about"}));
    // A greyed item does nothing when clicked; the menu stays open.
    QMenu* edit = OpenMenu("&Edit");
    QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier,
                      edit->actionGeometry(Item(edit, "&Copy\tCtrl+C")).center());
    EXPECT_TRUE(edit->isVisible());
    CloseMenus();
    EXPECT_EQ(Calls().size(), 6u);
}

TEST_F(MainWindowTest, ViewTogglesHideAndShowTheBarsWithTheirCheckMarks) {
    const struct {
        const char* item;
        std::function<QWidget*()> bar;
    } kToggles[] = {
        {"&Toolbar", [this]() -> QWidget* { return ToolBar(); }},
        {"&Status Bar", [this]() { return StatusBar(); }},
    };
    for (const auto& toggle : kToggles) {
        SCOPED_TRACE(toggle.item);
        QWidget* bar = toggle.bar();
        const QRect placeBefore = bar->geometry();
        Choose("&View", toggle.item);
        EXPECT_FALSE(bar->isVisible());
        QMenu* view = OpenMenu("&View");
        EXPECT_FALSE(Item(view, toggle.item)->isChecked());
        EXPECT_TRUE(Item(view, toggle.item)->isEnabled());
        Choose(view, toggle.item);
        EXPECT_TRUE(bar->isVisible());
        RunUntilIdle();
        EXPECT_EQ(bar->geometry(), placeBefore);
        view = OpenMenu("&View");
        EXPECT_TRUE(Item(view, toggle.item)->isChecked());
        CloseMenus();
    }
}

TEST_F(MainWindowTest, HiddenToolbarComesBackOnTheSideItWasDockedTo) {
    m_frame->DockControlBar(m_frame->GetControlBar(AFX_IDW_TOOLBAR), AFX_IDW_DOCKBAR_RIGHT);
    Choose("&View", "&Toolbar");
    Choose("&View", "&Toolbar");
    EXPECT_TRUE(ToolBar()->isVisible());
    EXPECT_EQ(Window()->toolBarArea(ToolBar()), Qt::RightToolBarArea);
    EXPECT_EQ(ToolBar()->orientation(), Qt::Vertical);
}

TEST_F(MainWindowTest, RecentFilePlaceholderIsGreyWithoutRecentFiles) {
    for (int opening = 0; opening < 2; ++opening) {
        QMenu* file = OpenMenu("&File");
        QAction* recent = Item(file, "Recent File");
        ASSERT_NE(recent, nullptr);
        EXPECT_FALSE(recent->isEnabled());
        // It stands between its separators, before Exit.
        const auto actions = file->actions();
        const auto at = actions.indexOf(recent);
        EXPECT_TRUE(actions[at - 1]->isSeparator());
        EXPECT_TRUE(actions[at + 1]->isSeparator());
        EXPECT_EQ(actions[at + 2]->text(), "E&xit");
        CloseMenus();
    }
}

TEST_F(MainWindowTest, RecentFilesTakeThePlaceOfThePlaceholder) {
    QTemporaryDir config;
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    m_app->SetRegistryKey("Local AppWizard-Generated Applications");
    m_app->LoadStdProfileSettings(4);

    QMenu* file = OpenMenu("&File");
    EXPECT_FALSE(Item(file, "Recent File")->isEnabled());  // the list is empty
    CloseMenus();

    m_app->AddToRecentFileList("/data/a.txt");
    m_app->AddToRecentFileList("/data/b.txt");
    for (int opening = 0; opening < 2; ++opening) {
        file = OpenMenu("&File");
        QStringList tail;
        for (qsizetype i = file->actions().size() - 5; i < file->actions().size(); ++i) {
            QAction* action = file->actions()[i];
            tail << (action->isSeparator() ? "-" : action->text()) +
                        (action->isEnabled() ? "" : " (grey)");
        }
        EXPECT_EQ(tail, QStringList({"-", "&1 /data/b.txt", "&2 /data/a.txt", "-", "E&xit"}));
        QTest::mouseMove(
            file, file->actionGeometry(file->actions()[file->actions().size() - 3]).center());
        EXPECT_EQ(MessagePane(), "Open this document");
        CloseMenus();
    }
    qputenv("XDG_CONFIG_HOME", savedConfig);
}

}  // namespace
