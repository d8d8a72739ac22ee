// The main window as the program builds it (CMainFrame from resource 128, the real
// form view) for a document titled "Untitled", on the offscreen platform, driven
// with real mouse and key events. Commands that would open dialogs are recorded
// instead by the test's application, document and view.
#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QString>
#include <QToolBar>
#include <QToolButton>
#include <memory>
#include <string>
#include <vector>

#include "framework/app.h"
#include "framework/document.h"
#include "framework/frame_wnd.h"

// The commands that reached their handlers, as "app:new", "doc:save", "view:print".
std::vector<std::string>& Calls();

// The application's table as the program's: About, New, Open and Print Setup.
class CRecordingApp : public CWinApp {
public:
    CRecordingApp() : CWinApp("Quarvel") {}

protected:
    void OnAbout() { Calls().push_back("app:about"); }
    void OnNew() { Calls().push_back("app:new"); }
    void OnOpen() { Calls().push_back("app:open"); }
    void OnPrintSetup() { Calls().push_back("app:print-setup"); }
    DECLARE_MESSAGE_MAP()
};

// The document base's Save As stays; Save is recorded.
class CRecordingDoc : public CDocument {
    DECLARE_DYNCREATE(CRecordingDoc)

protected:
    void OnSave() { Calls().push_back("doc:save"); }
    DECLARE_MESSAGE_MAP()
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

public:
    // A new main window as at start-up; the old one, if any, is destroyed first.
    void StartMainWindow();
    void DestroyMainWindow();

    // Runs the message loop until it has been idle, as the program does between
    // events: bars and the message pane are updated.
    void RunUntilIdle();

    QMainWindow* Window() const;
    QToolBar* ToolBar() const;
    QWidget* StatusBar() const;
    QLabel* Pane(int index) const;
    QString MessagePane() const { return Pane(0)->text(); }
    QToolButton* Button(unsigned int command) const;
    QWidget* Control(int id) const;

    // Clicks the menu bar's title and returns the drop-down menu that opened.
    QMenu* OpenMenu(const QString& title);
    // Closes the open menus with Escape.
    void CloseMenus();
    QAction* Item(QMenu* menu, const QString& text) const;
    // Clicks the item of the open menu.
    void Choose(QMenu* menu, const QString& text);
    // Opens the menu and chooses the item.
    void Choose(const QString& title, const QString& text) { Choose(OpenMenu(title), text); }

    // A key through the window, as the window system delivers it to the focus.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    std::unique_ptr<CRecordingApp> m_app;
    CRecordingDoc* m_doc = nullptr;
    CFrameWnd* m_frame = nullptr;
};
