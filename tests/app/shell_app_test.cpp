// The real application object, started in this process as the program starts it,
// with a recent-file list left by an earlier run, and driven through its menus.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "form/quarvel_view.h"
#include "framework/frame_wnd.h"
#include "framework/recent_file_list.h"
#include "in_process_app.h"
#include "profile_env.h"
#include "res/resources.h"
#include "shell/quarvel_app.h"
#include "tests/framework/qt_app_fixture.h"

namespace {

class QuarvelApp : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_home = new ScopedConfigHome;
        s_files = new QTemporaryDir;
        s_older = s_files->path() + "/older.txt";
        s_newer = s_files->path() + "/newer.txt";
        for (const QString& path : {s_older, s_newer}) {
            QFile file(path);
            file.open(QIODevice::WriteOnly);
        }
        s_home->WriteSettings(
            QString("[Recent%20File%20List]\nFile1=%1\nFile2=%2\n").arg(s_newer, s_older).toUtf8());
        // Files of the current folder show by their names alone.
        QDir::setCurrent(s_files->path());
        ASSERT_TRUE(StartQuarvelInProcess());
    }
    static void TearDownTestSuite() {
        StopQuarvelInProcess();
        delete s_files;
        delete s_home;
    }

    static QMainWindow* MainWindow() { return QuarvelMainWindow(); }

    static QMenu* Menu(const QString& title) {
        for (QAction* action : MainWindow()->menuBar()->actions()) {
            if (action->text() == title) {
                return action->menu();
            }
        }
        return nullptr;
    }

    // Opens the drop-down menu as the user would, so that its items are brought up to date.
    static QMenu* OpenMenu(const QString& title) {
        QMenuBar* bar = MainWindow()->menuBar();
        for (QAction* action : bar->actions()) {
            if (action->text() == title) {
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
                QMenu* menu = action->menu();
                EXPECT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
                return menu;
            }
        }
        ADD_FAILURE() << "no menu " << title.toStdString();
        return nullptr;
    }

    static QStringList Items(QMenu* menu) {
        QStringList texts;
        for (QAction* action : menu->actions()) {
            texts << (action->isSeparator() ? QString("-") : action->text());
        }
        return texts;
    }

    static void Choose(QMenu* menu, const QString& text) {
        for (QAction* action : menu->actions()) {
            if (action->text() == text) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                return;
            }
        }
        ADD_FAILURE() << "no item " << text.toStdString();
    }

    static QString Caption() { return MainWindow()->windowTitle(); }

    static inline ScopedConfigHome* s_home = nullptr;
    static inline QTemporaryDir* s_files = nullptr;
    static inline QString s_older;
    static inline QString s_newer;
};

TEST_F(QuarvelApp, StartsWithAnUntitledDocumentInTheWholeMainWindow) {
    ASSERT_NE(theApp.m_pMainWnd, nullptr);
    EXPECT_EQ(Caption(), "Untitled - Quarvel");
    EXPECT_TRUE(MainWindow()->isVisible());
    QStringList menus;
    for (QAction* action : MainWindow()->menuBar()->actions()) {
        menus << action->text();
    }
    EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&View", "&Help"}));
    auto* toolbar = MainWindow()->findChild<QToolBar*>();
    ASSERT_NE(toolbar, nullptr);
    EXPECT_TRUE(toolbar->isVisible());
    auto* statusBar = MainWindow()->findChild<QStatusBar*>();
    ASSERT_NE(statusBar, nullptr);
    EXPECT_TRUE(statusBar->isVisible());
    auto* frame = dynamic_cast<CFrameWnd*>(theApp.m_pMainWnd);
    ASSERT_NE(frame, nullptr);
    EXPECT_NE(dynamic_cast<CQuarvelView*>(frame->GetActiveView()), nullptr);
}

TEST_F(QuarvelApp, TheFileMenuListsTheRecentFilesOfTheLastRunAndOpensThem) {
    QMenu* file = OpenMenu("&File");
    ASSERT_NE(file, nullptr);
    const QString first = "&1 newer.txt";
    const QString second = "&2 older.txt";
    const QStringList items = Items(file);
    const qsizetype at = items.indexOf(first);
    ASSERT_GE(at, 0) << items.join(" | ").toStdString();
    EXPECT_EQ(items.mid(at, 3), (QStringList{first, second, "-"}));
    EXPECT_FALSE(items.contains("Recent File"));

    Choose(file, second);
    EXPECT_EQ(Caption(), "older.txt - Quarvel");

    file = OpenMenu("&File");
    const QStringList reordered = Items(file);
    EXPECT_TRUE(reordered.contains("&1 older.txt")) << reordered.join(" | ").toStdString();
    EXPECT_TRUE(reordered.contains("&2 newer.txt"));
    file->close();

    // With the list emptied the greyed placeholder comes back in the entries' place.
    const CString kept = (*theApp.m_pRecentFileList)[0];
    theApp.m_pRecentFileList->Remove(0);
    theApp.m_pRecentFileList->Remove(0);
    file = OpenMenu("&File");
    const QStringList empty = Items(file);
    const qsizetype placeholder = empty.indexOf("Recent File");
    ASSERT_GE(placeholder, 0) << empty.join(" | ").toStdString();
    EXPECT_EQ(empty.mid(placeholder - 1, 3), (QStringList{"-", "Recent File", "-"}));
    EXPECT_FALSE(file->actions().at(placeholder)->isEnabled());
    file->close();
    theApp.AddToRecentFileList(kept);
}

TEST_F(QuarvelApp, HelpAboutShowsTheAboutBoxOverTheDisabledMainWindow) {
    QString title;
    bool mainDisabled = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            title = dialog->windowTitle();
            mainDisabled = !theApp.m_pMainWnd->IsWindowEnabled();
            QTest::keyClick(dialog->focusWidget() != nullptr ? dialog->focusWidget() : dialog,
                            Qt::Key_Escape);
        }
    });
    closer.start(10);
    Choose(OpenMenu("&Help"), "&About Quarvel...");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !title.isEmpty(); }));
    EXPECT_EQ(title, "About Quarvel");
    EXPECT_TRUE(mainDisabled);
    EXPECT_TRUE(theApp.m_pMainWnd->IsWindowEnabled());
}

// Last: it ends the program's main window.
TEST_F(QuarvelApp, FileExitClosesTheMainWindowAndTheListIsWrittenAtExit) {
    Choose(OpenMenu("&File"), "E&xit");
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    QCoreApplication::processEvents();  // the request to end the loop, with no loop running
    theApp.ExitInstance();
    QSettings stored(s_home->SettingsFile(), QSettings::IniFormat);
    EXPECT_FALSE(stored.value("Recent File List/File1").toString().isEmpty());
}

}  // namespace
