// The toolbar dragged by its gripper floats in a window of its own, keeps floating
// while hidden and shown, and the next start has it docked at the top again.
#include <QTest>

#include "framework/afx_ids.h"
#include "framework/control_bar.h"
#include "main_window_fixture.h"

namespace {

// Drags the toolbar by its gripper to a point of the screen. The drag first leaves
// the bar's own row: along the row, Qt moves the bar within its dock.
void DragGripper(QToolBar* bar, QPoint globalTarget) {
    const QPoint grip(6, bar->height() / 2);
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, grip);
    const QPoint start = bar->mapToGlobal(grip + QPoint(0, bar->height() * 2));
    QTest::mouseMove(bar, bar->mapFromGlobal(start));
    for (int step = 1; step <= 10; ++step) {
        const QPoint global = start + (globalTarget - start) * step / 10;
        QTest::mouseMove(bar, bar->mapFromGlobal(global));
    }
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, bar->mapFromGlobal(globalTarget));
}

TEST_F(MainWindowTest, ToolbarFloatsWhenDraggedAwayAndDocksAgainOnTheNextStart) {
    QToolBar* bar = ToolBar();
    const QPoint away(Window()->frameGeometry().right() + 150,
                      Window()->frameGeometry().center().y());
    DragGripper(bar, away);
    ASSERT_TRUE(bar->isFloating());
    EXPECT_TRUE(m_frame->GetControlBar(AFX_IDW_TOOLBAR)->IsFloating());

    Choose("&View", "&Toolbar");
    EXPECT_FALSE(bar->isVisible());
    Choose("&View", "&Toolbar");
    EXPECT_TRUE(bar->isVisible());
    EXPECT_TRUE(bar->isFloating());

    StartMainWindow();
    EXPECT_FALSE(ToolBar()->isFloating());
    EXPECT_EQ(Window()->toolBarArea(ToolBar()), Qt::TopToolBarArea);
}

}  // namespace
