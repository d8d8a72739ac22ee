// Print Preview in place of the view: its toolbar, the number of pages side by side,
// staying on page 1, zoom, Print from the preview, and the form coming back unchanged.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

#include "framework/afx_ids.h"
#include "modal_driver.h"
#include "qt_app.h"
#include "test_printer_server.h"
#include "test_window.h"

namespace {

class PrintPreview : public ::testing::Test {
protected:
    void SetUp() override {
        if (!TestPrinterServer::Instance().available()) {
            GTEST_SKIP() << TestPrinterServer::Instance().why();
        }
        Window()->resize(800, 600);
    }

    QMainWindow* Window() const { return qobject_cast<QMainWindow*>(m_window.m_frame->m_hWnd); }
    QWidget* Central() const { return Window()->centralWidget(); }
    QPushButton* Button(const char* text) const {
        for (QPushButton* button : Central()->findChildren<QPushButton*>()) {
            if (button->text().remove('&') == QString::fromLatin1(text)) {
                return button;
            }
        }
        return nullptr;
    }
    void Click(const char* text) {
        QPushButton* button = Button(text);
        ASSERT_NE(button, nullptr) << text;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QStringList ButtonTexts() const {
        QStringList texts;
        for (QPushButton* button : Central()->findChildren<QPushButton*>()) {
            texts << button->text().remove('&');
        }
        return texts;
    }

    TestWindow m_window;
};

TEST_F(PrintPreview, TakesTheViewsPlaceWithItsToolbarAndGivesItBackUnchanged) {
    auto* toolBar = new QToolBar(Window());
    Window()->addToolBar(toolBar);
    toolBar->show();
    QTest::keyClicks(m_window.m_view->m_edit, "7372800");
    QWidget* viewWidget = Central();

    ModalDriver noDialog({[](QWidget* modal) { modal->close(); }});
    m_window.Command(ID_FILE_PRINT_PREVIEW);
    EXPECT_TRUE(noDialog.Titles().empty());
    ASSERT_EQ(Central()->objectName(), "AfxPreview");
    EXPECT_FALSE(toolBar->isVisible());
    EXPECT_EQ(ButtonTexts(), (QStringList{"Print...", "Next Page", "Prev Page", "Two Page",
                                          "Zoom In", "Zoom Out", "Close"}));
    EXPECT_EQ(m_window.m_view->m_calls, (std::vector<std::string>{"prepare", "begin"}));
    // Only page 1 exists: the preview does not move past it.
    EXPECT_FALSE(Button("Next Page")->isEnabled());
    EXPECT_FALSE(Button("Prev Page")->isEnabled());
    // Zoom goes in two steps and back out.
    EXPECT_FALSE(Button("Zoom Out")->isEnabled());
    Click("Zoom In");
    Click("Zoom In");
    EXPECT_FALSE(Button("Zoom In")->isEnabled());
    Click("Zoom Out");
    Click("Zoom Out");
    EXPECT_FALSE(Button("Zoom Out")->isEnabled());

    Click("Close");
    EXPECT_EQ(Central(), viewWidget);
    EXPECT_TRUE(viewWidget->isVisible());
    EXPECT_TRUE(toolBar->isVisible());
    EXPECT_EQ(m_window.m_view->m_edit->text(), "7372800");
    EXPECT_EQ(m_window.m_view->m_calls, (std::vector<std::string>{"prepare", "begin", "end"}));
}

// The application's preview-page number: 0 and 1 show one page, 2 and more two;
// switching sets the number, otherwise it stays as it was.
TEST_F(PrintPreview, ShowsAsManyPagesAsTheApplicationSays) {
    struct Case {
        UINT stored;
        const char* pageButton;  // offers the other count
        UINT afterSwitch;
    };
    const Case cases[] = {
        {0, "Two Page", 2}, {1, "Two Page", 2}, {2, "One Page", 1}, {7, "One Page", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        m_window.m_app->m_nNumPreviewPages = c.stored;
        m_window.Command(ID_FILE_PRINT_PREVIEW);
        ASSERT_NE(Button(c.pageButton), nullptr);
        Click("Close");
        EXPECT_EQ(m_window.m_app->m_nNumPreviewPages, c.stored);

        m_window.Command(ID_FILE_PRINT_PREVIEW);
        Click(c.pageButton);
        EXPECT_EQ(m_window.m_app->m_nNumPreviewPages, c.afterSwitch);
        Click(c.afterSwitch == 2 ? "One Page" : "Two Page");
        EXPECT_EQ(m_window.m_app->m_nNumPreviewPages, c.afterSwitch == 2 ? 1u : 2u);
        Click("Close");
    }
}

TEST_F(PrintPreview, PrintClosesThePreviewAndPrints) {
    m_window.Command(ID_FILE_PRINT_PREVIEW);
    ModalDriver driver({[](QWidget* dialog) { PressButton(dialog, "Cancel"); }});
    Click("Print...");
    EXPECT_NE(Central()->objectName(), "AfxPreview");
    for (int tries = 0; tries < 200 && driver.Titles().empty(); ++tries) {
        QTest::qWait(20);
    }
    EXPECT_EQ(driver.Titles(), std::vector<std::string>{"Print"});
    EXPECT_EQ(m_window.m_view->m_calls,
              (std::vector<std::string>{"prepare", "begin", "end", "prepare"}));
}

}  // namespace
