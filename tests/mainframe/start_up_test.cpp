// What every start shows: the caption, the icon, both bars, the toolbar docked at the
// top, the menu bar and the status bar's panes.
#include <QMenuBar>
#include <QStatusBar>

#include "framework/afx_ids.h"
#include "framework/control_bar.h"
#include "framework/view.h"
#include "main_window_fixture.h"

namespace {

TEST_F(MainWindowTest, CaptionNamesTheDocumentThenTheProgram) {
    EXPECT_EQ(Window()->windowTitle(), "Untitled - Quarvel");
    CString caption;
    m_frame->GetWindowText(caption);
    EXPECT_EQ(caption, CString("Untitled - Quarvel"));

    // The caption follows a new document title once the program is idle.
    m_doc->SetTitle("notes.txt");
    RunUntilIdle();
    EXPECT_EQ(Window()->windowTitle(), "notes.txt - Quarvel");
}

TEST_F(MainWindowTest, WindowIconHasBothSizes) {
    const QList<QSize> sizes = Window()->windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
}

TEST_F(MainWindowTest, MenuBarHoldsFourMenus) {
    QStringList titles;
    for (QAction* action : Window()->menuBar()->actions()) {
        titles << action->text();
    }
    EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&View", "&Help"}));
}

TEST_F(MainWindowTest, BothBarsShowAndTheToolbarIsDockedAtTheTop) {
    QToolBar* toolBar = ToolBar();
    ASSERT_NE(toolBar, nullptr);
    EXPECT_TRUE(toolBar->isVisible());
    EXPECT_FALSE(toolBar->isFloating());
    EXPECT_EQ(Window()->toolBarArea(toolBar), Qt::TopToolBarArea);
    EXPECT_TRUE(toolBar->isMovable());  // the gripper
    EXPECT_EQ(toolBar->allowedAreas(), Qt::AllToolBarAreas);
    EXPECT_TRUE(StatusBar()->isVisible());
    // Menu bar, toolbar, view, status bar from top to bottom.
    const QWidget* view = m_frame->GetActiveView()->m_hWnd;
    EXPECT_LE(Window()->menuBar()->geometry().bottom(), toolBar->geometry().top());
    EXPECT_LE(toolBar->geometry().bottom(), view->geometry().top());
    EXPECT_LE(view->geometry().bottom(), StatusBar()->geometry().top());
    EXPECT_EQ(m_frame->GetControlBar(AFX_IDW_TOOLBAR)->m_hWnd, toolBar);
    EXPECT_EQ(m_frame->GetControlBar(AFX_IDW_STATUS_BAR)->m_hWnd, StatusBar());
}

TEST_F(MainWindowTest, EveryStartShowsBothBarsWhateverTheLastRunLeft) {
    // Last run: the toolbar moved to the left edge and hidden, the status bar hidden.
    m_frame->DockControlBar(m_frame->GetControlBar(AFX_IDW_TOOLBAR), AFX_IDW_DOCKBAR_LEFT);
    ASSERT_EQ(Window()->toolBarArea(ToolBar()), Qt::LeftToolBarArea);
    Choose("&View", "&Toolbar");
    Choose("&View", "&Status Bar");
    ASSERT_FALSE(ToolBar()->isVisible());

    StartMainWindow();
    EXPECT_TRUE(ToolBar()->isVisible());
    EXPECT_EQ(Window()->toolBarArea(ToolBar()), Qt::TopToolBarArea);
    EXPECT_TRUE(StatusBar()->isVisible());
}

TEST_F(MainWindowTest, ToolbarButtonsFollowTheToolbarResource) {
    QList<unsigned int> commands;
    for (QAction* action : ToolBar()->actions()) {
        commands << (action->isSeparator() ? 0u : action->data().toUInt());
    }
    EXPECT_EQ(commands, QList<unsigned int>({ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0,
                                             ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, 0,
                                             ID_FILE_PRINT, 0, ID_APP_ABOUT}));
    EXPECT_EQ(ToolBar()->iconSize(), QSize(16, 15));
    for (unsigned int command : commands) {
        if (command != 0) {
            EXPECT_FALSE(Button(command)->icon().isNull()) << command;
            EXPECT_TRUE(Button(command)->autoRaise()) << command;  // flat buttons
        }
    }
}

TEST_F(MainWindowTest, StatusBarHasAMessagePaneAndThreeIndicators) {
    ASSERT_NE(Pane(3), nullptr);
    EXPECT_EQ(Pane(4), nullptr);
    EXPECT_EQ(MessagePane(), "Ready");
    // The message pane takes the width the indicators leave.
    EXPECT_GT(Pane(0)->width(), Pane(1)->width() + Pane(2)->width() + Pane(3)->width());
    EXPECT_LT(Pane(0)->geometry().right(), Pane(1)->geometry().left());
    EXPECT_LT(Pane(1)->geometry().right(), Pane(2)->geometry().left());
    EXPECT_LT(Pane(2)->geometry().right(), Pane(3)->geometry().left());
}

}  // namespace
