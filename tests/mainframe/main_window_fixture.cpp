#include "main_window_fixture.h"

#include <QApplication>
#include <QCursor>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "form/quarvel_view.h"
#include "framework/afx_ids.h"
#include "framework/create_context.h"
#include "res/resources.h"
#include "shell/main_frame.h"

namespace {

class QtApp : public ::testing::Environment {
public:
    void SetUp() override {
        if (QApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "mainframe_tests";
            static char* argv[] = {name, nullptr};
            new QApplication(argc, argv);
        }
    }
};

[[maybe_unused]] ::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new QtApp);

}  // namespace

std::vector<std::string>& Calls() {
    static std::vector<std::string> calls;
    return calls;
}

BEGIN_MESSAGE_MAP(CRecordingApp, CWinApp)
ON_COMMAND(ID_APP_ABOUT, &CRecordingApp::OnAbout)
ON_COMMAND(ID_FILE_NEW, &CRecordingApp::OnNew)
ON_COMMAND(ID_FILE_OPEN, &CRecordingApp::OnOpen)
ON_COMMAND(ID_FILE_PRINT_SETUP, &CRecordingApp::OnPrintSetup)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CRecordingDoc, CDocument)
BEGIN_MESSAGE_MAP(CRecordingDoc, CDocument)
ON_COMMAND(ID_FILE_SAVE, &CRecordingDoc::OnSave)
END_MESSAGE_MAP()

// The real form, with printing recorded instead of run.
class CRecordingView : public CQuarvelView {
    DECLARE_DYNCREATE(CRecordingView)

protected:
    void OnPrintCommand() { Calls().push_back("view:print"); }
    void OnPreviewCommand() { Calls().push_back("view:preview"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CRecordingView, CQuarvelView)
BEGIN_MESSAGE_MAP(CRecordingView, CQuarvelView)
ON_COMMAND(ID_FILE_PRINT, &CRecordingView::OnPrintCommand)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, &CRecordingView::OnPreviewCommand)
END_MESSAGE_MAP()

void MainWindowTest::SetUp() {
    AfxSetResources(QuarvelResources());
    m_app = std::make_unique<CRecordingApp>();
    m_doc = new CRecordingDoc;
    m_doc->SetTitle("Untitled");
    Calls().clear();
    StartMainWindow();
}

void MainWindowTest::TearDown() {
    DestroyMainWindow();
    delete m_doc;
    m_app.reset();
}

void MainWindowTest::StartMainWindow() {
    DestroyMainWindow();
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CRecordingView);
    context.m_pCurrentDoc = m_doc;
    m_frame = dynamic_cast<CFrameWnd*>(RUNTIME_CLASS(CMainFrame)->CreateObject());
    ASSERT_NE(m_frame, nullptr);
    ASSERT_TRUE(
        m_frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context));
    m_app->m_pMainWnd = m_frame;
    m_frame->InitialUpdateFrame(m_doc, TRUE);
    QApplication::setActiveWindow(m_frame->m_hWnd);
    // An X server without a window manager shows windows but never activates them.
    if (QGuiApplication::platformName() == "offscreen") {
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame->m_hWnd));
    } else {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_frame->m_hWnd));
    }
    RunUntilIdle();
}

void MainWindowTest::DestroyMainWindow() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
    if (m_frame != nullptr && m_frame->m_hWnd != nullptr) {
        m_app->m_pMainWnd = nullptr;
        m_frame->DestroyWindow();  // the frame and the view delete themselves
    }
    m_frame = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void MainWindowTest::RunUntilIdle() {
    QTimer::singleShot(30, qApp, []() { QCoreApplication::exit(0); });
    m_app->Run();
}

QMainWindow* MainWindowTest::Window() const {
    return qobject_cast<QMainWindow*>(m_frame->m_hWnd);
}

QToolBar* MainWindowTest::ToolBar() const {
    return Window()->findChild<QToolBar*>();
}

QWidget* MainWindowTest::StatusBar() const {
    return Window()->findChild<QStatusBar*>();
}

QLabel* MainWindowTest::Pane(int index) const {
    return StatusBar()->findChild<QLabel*>(QStringLiteral("pane%1").arg(index));
}

QToolButton* MainWindowTest::Button(unsigned int command) const {
    for (QAction* action : ToolBar()->actions()) {
        if (!action->isSeparator() && action->data().toUInt() == command) {
            return qobject_cast<QToolButton*>(ToolBar()->widgetForAction(action));
        }
    }
    return nullptr;
}

QWidget* MainWindowTest::Control(int id) const {
    CWnd* control = m_frame->GetActiveView()->GetDlgItem(id);
    return control != nullptr ? control->m_hWnd : nullptr;
}

QMenu* MainWindowTest::OpenMenu(const QString& title) {
    QMenuBar* bar = Window()->menuBar();
    for (QAction* action : bar->actions()) {
        if (action->text() == title) {
            // The pointer is where the click is: a menu ignores the pointer until it
            // has moved away from where the menu opened.
            const QPoint click = bar->actionGeometry(action).center();
            QCursor::setPos(bar->mapToGlobal(click));
            QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, click);
            auto* menu = action->menu<QMenu*>();
            EXPECT_TRUE(QTest::qWaitFor([menu]() { return menu->isVisible(); }));
            return menu;
        }
    }
    ADD_FAILURE() << "no menu " << title.toStdString();
    return nullptr;
}

void MainWindowTest::CloseMenus() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
        QTest::keyClick(popup, Qt::Key_Escape);
    }
    // Escape leaves the menu bar in keyboard mode, holding the focus; once more ends it.
    if (QApplication::focusWidget() == Window()->menuBar()) {
        QTest::keyClick(Window()->menuBar(), Qt::Key_Escape);
    }
}

QAction* MainWindowTest::Item(QMenu* menu, const QString& text) const {
    for (QAction* action : menu->actions()) {
        if (action->text() == text) {
            return action;
        }
    }
    ADD_FAILURE() << "no item " << text.toStdString();
    return nullptr;
}

void MainWindowTest::Choose(QMenu* menu, const QString& text) {
    QAction* item = Item(menu, text);
    ASSERT_NE(item, nullptr);
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(item).center());
    EXPECT_TRUE(QTest::qWaitFor([menu]() { return !menu->isVisible(); }));
}

void MainWindowTest::Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(Window()->windowHandle(), key, modifiers);
}
