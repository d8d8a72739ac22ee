#include "framework/app.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QFileInfo>
#include <QWidget>

#include "framework/afx_ids.h"
#include "framework/doc_manager.h"
#include "framework/font_config_preload.h"
#include "framework/recent_file_list.h"
#include "framework/resources.h"
#include "framework/test_autoclose.h"
#include "framework/window_class.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
ON_COMMAND(ID_APP_EXIT, &CWinApp::OnAppExit)
ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, &CWinApp::OnOpenRecentFile)
ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, &CWinApp::OnUpdateRecentFileMenu)
END_MESSAGE_MAP()

namespace {

CWinApp* g_app = nullptr;

}  // namespace

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(lpszAppName), m_bNameGiven(lpszAppName != nullptr) {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) {
        g_app = nullptr;
    }
}

int CWinApp::ExitInstance() {
    if (!m_bUnregistered) {
        SaveStdProfileSettings();
    }
    return CWinThread::ExitInstance();
}

// Closing the main window ends the program, just as its close box does.
void CWinApp::OnAppExit() {
    if (m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr) {
        m_pMainWnd->SendMessage(WM_CLOSE);
    }
}

int CWinThread::Run() {
    // Idle processing: whenever the queue has emptied, before the loop waits.
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    bool inIdle = false;
    QMetaObject::Connection idle;
    if (dispatcher != nullptr) {
        idle = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock,
                                [this, &inIdle]() {
                                    if (inIdle) {
                                        return;
                                    }
                                    inIdle = true;
                                    for (LONG n = 0; OnIdle(n) && n < 16; ++n) {
                                    }
                                    inIdle = false;
                                });
    }
    const int code = QApplication::exec();
    QObject::disconnect(idle);
    return code;
}

int CWinThread::ExitInstance() {
    return 0;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
    for (CWnd* wnd = CWnd::FromHandle(pMsg->hwnd); wnd != nullptr; wnd = wnd->GetParent()) {
        if (wnd->PreTranslateMessage(pMsg)) {
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CWinThread::OnIdle(LONG lCount) {
    if (lCount == 0) {
        if (CWnd* main = GetMainWnd();
            main != nullptr && main->m_hWnd != nullptr && main->IsWindowVisible()) {
            main->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
            main->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE);
        }
    }
    return FALSE;
}

CWinApp* AfxGetApp() {
    return g_app;
}

CWnd* AfxGetMainWnd() {
    return g_app != nullptr ? g_app->GetMainWnd() : nullptr;
}

LPCTSTR AfxGetAppName() {
    return g_app != nullptr ? static_cast<LPCTSTR>(g_app->m_pszAppName) : "";
}

void AfxPostQuitMessage(int nExitCode) {
    QMetaObject::invokeMethod(
        qApp, [nExitCode]() { QCoreApplication::exit(nExitCode); }, Qt::QueuedConnection);
}

void AfxInitAppNames(CWinApp* pApp, int argc, char** argv) {
    if (pApp == nullptr) {
        return;
    }
    pApp->m_argc = argc;
    pApp->m_argv = argv;
    const QString exe =
        argc > 0 ? QFileInfo(QString::fromLocal8Bit(argv[0])).completeBaseName() : QString("app");
    pApp->m_pszExeName = CString(exe.toStdString());
    if (!pApp->m_bNameGiven) {
        CString title;
        pApp->m_pszAppName = title.LoadString(AFX_IDS_APP_TITLE) ? title : pApp->m_pszExeName;
    }
    // Until SetRegistryKey the profile is an INI file named after the executable.
    pApp->m_pszProfileName = pApp->m_pszExeName + ".INI";
    QCoreApplication::setApplicationName(AfxQString(pApp->m_pszAppName));
    if (const VersionInfo* version = AfxGetResources().version) {
        QCoreApplication::setApplicationVersion(QString("%1.%2.%3.%4")
                                                    .arg(version->productVersion[0])
                                                    .arg(version->productVersion[1])
                                                    .arg(version->productVersion[2])
                                                    .arg(version->productVersion[3]));
    }
}

int AfxWinMain(int argc, char** argv) {
    const AfxFontConfigPreload fontConfig;
    QApplication qtApp(argc, argv);
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        return 1;
    }
    AfxInitAppNames(app, argc, argv);
    AfxStartTestAutoClose();
    int code = 0;
    if (app->InitInstance()) {
        code = app->Run();
    } else if (app->m_pMainWnd != nullptr && app->m_pMainWnd->m_hWnd != nullptr) {
        app->m_pMainWnd->DestroyWindow();
    }
    const int exitCode = app->ExitInstance();
    return code != 0 ? code : exitCode;
}
