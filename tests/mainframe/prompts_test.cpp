// The message pane: "Ready" when idle, the prompt of the highlighted menu item or of
// the toolbar button under the mouse; and the toolbar's tooltips.
#include <QApplication>
#include <QHelpEvent>
#include <QMenuBar>
#include <QTest>
#include <QToolTip>

#include "framework/afx_ids.h"
#include "main_window_fixture.h"

namespace {

void Hover(QMenu* menu, QAction* item) {
    QTest::mouseMove(menu, menu->actionGeometry(item).center());
}

TEST_F(MainWindowTest, HighlightedMenuItemShowsItsPromptUntilTheMenuCloses) {
    EXPECT_EQ(MessagePane(), "Ready");
    QMenu* file = OpenMenu("&File");
    // The drop-down's title alone is highlighted: nothing to say.
    EXPECT_EQ(MessagePane(), "");
    Hover(file, Item(file, "&Save\tCtrl+S"));
    EXPECT_EQ(MessagePane(), "Save the active document");
    QAction* separator = file->actions()[4];
    ASSERT_TRUE(separator->isSeparator());
    Hover(file, separator);
    EXPECT_EQ(MessagePane(), "");
    Hover(file, Item(file, "E&xit"));
    EXPECT_EQ(MessagePane(), "Quit the application; prompts to save documents");
    RunUntilIdle();  // idle time leaves the prompt alone while the menu is open
    EXPECT_EQ(MessagePane(), "Quit the application; prompts to save documents");
    CloseMenus();
    EXPECT_EQ(MessagePane(), "Ready");
}

TEST_F(MainWindowTest, KeyboardThroughTheMenuShowsEachItemsPrompt) {
    Key(Qt::Key_F, Qt::AltModifier);
    auto* file = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->title(), "&File");
    EXPECT_EQ(MessagePane(), "Create a new document");
    const char* const kPrompts[] = {"Open an existing document", "Save the active document",
                                    "Save the active document with a new name",
                                    "Print the active document"};
    for (const char* prompt : kPrompts) {
        QTest::keyClick(file, Qt::Key_Down);
        EXPECT_EQ(MessagePane(), prompt);
    }
    QTest::keyClick(file, Qt::Key_Right);
    auto* edit = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->title(), "&Edit");
    // A greyed item can be highlighted and tells what it would do.
    EXPECT_EQ(MessagePane(), "Undo the last action");
    CloseMenus();
    EXPECT_EQ(MessagePane(), "Ready");
}

TEST_F(MainWindowTest, ToolbarButtonUnderTheMouseShowsItsPromptAndTooltip) {
    const struct {
        unsigned int command;
        const char* prompt;
        const char* tooltip;
    } kButtons[] = {
        {ID_FILE_SAVE, "Save the active document", "Save"},
        {ID_FILE_NEW, "Create a new document", "New"},
        {ID_EDIT_CUT, "Cut the selection and put it on the Clipboard", "Cut"},  // disabled
        {ID_APP_ABOUT, "Display program information, version number and copyright", "About"},
    };
    QWidget* view = Window()->centralWidget();
    for (const auto& button : kButtons) {
        SCOPED_TRACE(button.tooltip);
        QToolButton* widget = Button(button.command);
        QTest::mouseMove(widget);
        EXPECT_EQ(MessagePane(), button.prompt);
        RunUntilIdle();
        EXPECT_EQ(MessagePane(), button.prompt);

        QHelpEvent help(QEvent::ToolTip, widget->rect().center(),
                        widget->mapToGlobal(widget->rect().center()));
        QApplication::sendEvent(widget, &help);
        EXPECT_EQ(QToolTip::text(), button.tooltip);
        QToolTip::hideText();

        QTest::mouseMove(view, view->rect().center());
        EXPECT_EQ(MessagePane(), "Ready");
    }
}

}  // namespace
