// The About box, run modally over the main window and closed by the user's keys and
// clicks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "framework/app.h"
#include "framework/frame_wnd.h"
#include "res/resources.h"
#include "shell/about_dialog.h"
#include "tests/framework/qt_app_fixture.h"

namespace {

struct CloseCase {
    const char* name;
    std::function<void(QDialog*)> close;
    INT_PTR result;
};

void PrintTo(const CloseCase& c, std::ostream* os) {
    *os << c.name;
}

QPushButton* OkButton(QDialog* dialog) {
    for (auto* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == "OK") {
            return button;
        }
    }
    return nullptr;
}

class AboutBox : public ::testing::TestWithParam<CloseCase> {
protected:
    void SetUp() override {
        AfxSetResources(QuarvelResources());
        m_main = new CFrameWnd;
        ASSERT_TRUE(m_main->Create(nullptr, "Main", WS_OVERLAPPEDWINDOW, RECT{100, 80, 700, 580}));
        m_main->ShowWindow(SW_SHOW);
        m_app.m_pMainWnd = m_main;
    }
    void TearDown() override {
        // Not as the main window: that would end the message loop of the next test.
        m_app.m_pMainWnd = nullptr;
        m_main->DestroyWindow();
    }

    CWinApp m_app{"Quarvel"};
    CFrameWnd* m_main = nullptr;
};

TEST_P(AboutBox, ClosesWithItsResultAndFreesTheMainWindow) {
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        checked = true;
        EXPECT_EQ(dialog->windowTitle(), "About Quarvel");
        EXPECT_TRUE(dialog->isVisible());
        // Owned by the main window, which takes no input meanwhile, and centred over it.
        EXPECT_FALSE(m_main->IsWindowEnabled());
        EXPECT_TRUE(dialog->isEnabled());
        const QPoint offset =
            dialog->frameGeometry().center() - m_main->m_hWnd->frameGeometry().center();
        // The dialog's frame is unknown until it is first shown: allow its border.
        EXPECT_LE(offset.manhattanLength(), 6);
        QPushButton* ok = OkButton(dialog);
        ASSERT_NE(ok, nullptr);
        EXPECT_TRUE(ok->isDefault());
        GetParam().close(dialog);
    });
    CAboutDialog about;
    EXPECT_EQ(about.DoModal(), GetParam().result);
    EXPECT_TRUE(checked);
    EXPECT_TRUE(m_main->IsWindowEnabled());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(about.m_hWnd, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutBox,
    ::testing::Values(CloseCase{"Enter",
                                [](QDialog* d) {
                                    QWidget* focus =
                                        d->focusWidget() != nullptr ? d->focusWidget() : d;
                                    QTest::keyClick(focus, Qt::Key_Return);
                                },
                                IDOK},
                      CloseCase{"Escape",
                                [](QDialog* d) {
                                    QWidget* focus =
                                        d->focusWidget() != nullptr ? d->focusWidget() : d;
                                    QTest::keyClick(focus, Qt::Key_Escape);
                                },
                                IDCANCEL},
                      CloseCase{"OkButton",
                                [](QDialog* d) { QTest::mouseClick(OkButton(d), Qt::LeftButton); },
                                IDOK},
                      CloseCase{"CloseBox", [](QDialog* d) { d->close(); }, IDCANCEL}),
    [](const ::testing::TestParamInfo<CloseCase>& row) { return std::string(row.param.name); });

}  // namespace
