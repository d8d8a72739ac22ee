// Files and preview in the real program: the calculator's form, its main window and
// its application object, started as the program starts them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <utility>

#include "framework/afx_ids.h"
#include "framework/frame_wnd.h"
#include "framework/view.h"
#include "res/resource_ids.h"
#include "res/resources.h"
#include "shell/quarvel_app.h"
#include "tests/app/in_process_app.h"
#include "tests/app/profile_env.h"
#include "tests/files/modal_driver.h"
#include "tests/files/test_printer_server.h"
#include "tests/framework/qt_app_fixture.h"

namespace {

class ProgramFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // Preview takes the default printer; the test queue gives the machine one.
        TestPrinterServer::Instance();
        s_home = new ScopedConfigHome;
        s_files = new QTemporaryDir;
        QDir::setCurrent(s_files->path());
        ASSERT_TRUE(StartQuarvelInProcess());
    }
    static void TearDownTestSuite() {
        StopQuarvelInProcess();
        delete s_files;
        delete s_home;
    }

    static QMainWindow* MainWindow() { return QuarvelMainWindow(); }
    static CView* View() { return dynamic_cast<CFrameWnd*>(theApp.m_pMainWnd)->GetActiveView(); }
    static void Command(UINT id) { theApp.m_pMainWnd->SendMessage(WM_COMMAND, id, 0); }
    static std::string Caption() {
        CString text;
        theApp.m_pMainWnd->GetWindowText(text);
        return text.str();
    }
    static std::string FieldText(int id) {
        CString text;
        View()->GetDlgItem(id)->GetWindowText(text);
        return text.str();
    }
    static void TypeInto(int id, const char* text) {
        QWidget* field = View()->GetDlgItem(id)->m_hWnd;
        QWidget* editor = field->focusProxy() != nullptr ? field->focusProxy() : field;
        editor->setFocus();
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, text);
    }
    static QPushButton* PreviewButton(const char* text) {
        for (QPushButton* button : MainWindow()->centralWidget()->findChildren<QPushButton*>()) {
            if (button->text().remove('&') == QString::fromLatin1(text)) {
                return button;
            }
        }
        return nullptr;
    }
    static void Screenshot(const char* name) {
        const QByteArray folder = qgetenv("QUARVEL_SCREENSHOT_DIR");
        if (!folder.isEmpty()) {
            MainWindow()->grab().save(QDir(QString::fromLocal8Bit(folder)).filePath(name));
        }
    }
    static QString Path(const char* name) { return s_files->filePath(QString::fromUtf8(name)); }

    static inline ScopedConfigHome* s_home = nullptr;
    static inline QTemporaryDir* s_files = nullptr;
};

TEST_F(ProgramFiles, PreviewShowsBlankSheetsAndGivesTheFormBackUnchanged) {
    if (!TestPrinterServer::Instance().available()) {
        GTEST_SKIP() << TestPrinterServer::Instance().why();
    }
    TypeInto(IDC_EDIT_CLOCK, "7372800");
    TypeInto(IDC_EDIT_BAUD, "19200");
    QWidget* form = MainWindow()->centralWidget();
    theApp.m_nNumPreviewPages = 0;
    ModalDriver noDialog({[](QWidget* modal) { modal->close(); }});
    Command(ID_FILE_PRINT_PREVIEW);
    ASSERT_TRUE(noDialog.Titles().empty());
    ASSERT_EQ(MainWindow()->centralWidget()->objectName(), "AfxPreview");
    QTest::qWait(50);
    Screenshot("preview-1.png");
    QTest::mouseClick(PreviewButton("Two Page"), Qt::LeftButton);
    EXPECT_EQ(theApp.m_nNumPreviewPages, 2u);
    QTest::qWait(50);
    Screenshot("preview-2.png");
    EXPECT_FALSE(PreviewButton("Next Page")->isEnabled());
    QTest::mouseClick(PreviewButton("Close"), Qt::LeftButton);
    EXPECT_EQ(MainWindow()->centralWidget(), form);
    EXPECT_EQ(FieldText(IDC_EDIT_CLOCK), "7372800");
    EXPECT_EQ(FieldText(IDC_EDIT_BAUD), "19200");
}

TEST_F(ProgramFiles, SaveAsWritesZeroBytesAndNewAndOpenResetTheForm) {
    TypeInto(IDC_EDIT_CLOCK, "1234");
    const std::string clockDefault = [] {
        Command(ID_FILE_NEW);
        return FieldText(IDC_EDIT_CLOCK);
    }();
    ASSERT_NE(clockDefault, "1234");  // New puts the clock field back
    EXPECT_EQ(Caption(), "Untitled - Quarvel");

    TypeInto(IDC_EDIT_CLOCK, "1234");
    ModalDriver save({[](QWidget* dialog) { EnterFileName(dialog, Path("baud-setup")); }});
    Command(ID_FILE_SAVE);
    ASSERT_TRUE(save.AllDone());
    EXPECT_EQ(save.Titles(), std::vector<std::string>{"Save As"});
    EXPECT_EQ(QFileInfo(Path("baud-setup")).size(), 0);
    EXPECT_EQ(Caption(), "baud-setup - Quarvel");
    EXPECT_EQ(FieldText(IDC_EDIT_CLOCK), "1234");  // saving leaves the form alone

    QFile text(Path("notes.txt"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a Quarvel file at all\n");
    text.close();
    ModalDriver open({[](QWidget* dialog) { EnterFileName(dialog, Path("notes.txt")); }});
    Command(ID_FILE_OPEN);
    ASSERT_TRUE(open.AllDone());
    EXPECT_EQ(Caption(), "notes.txt - Quarvel");
    EXPECT_EQ(FieldText(IDC_EDIT_CLOCK), clockDefault);
}

}  // namespace
