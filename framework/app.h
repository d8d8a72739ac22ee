// The application object and the program's entry through the layer.
//
// The program constructs one global application object; its `main` hands over to
// AfxWinMain, which creates the Qt application, calls InitInstance, runs the
// message loop and then ExitInstance.
#pragma once

#include <memory>

#include "framework/cmd_target.h"
#include "framework/cstring.h"
#include "framework/wnd.h"

class QPrinter;

class CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)

public:
    CWinThread() = default;

    CWnd* m_pMainWnd = nullptr;

    virtual BOOL InitInstance() { return FALSE; }
    // The message loop: runs until the main window has gone; returns the exit code.
    virtual int Run();
    virtual int ExitInstance();
    // Keys pass here before the focused control sees them: the focus window and
    // its parents, innermost first, get PreTranslateMessage. TRUE takes the key.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Called when the message queue has emptied; lCount counts the calls since the
    // last message. TRUE asks for another call. Updates the main window's bars.
    virtual BOOL OnIdle(LONG lCount);
    virtual CWnd* GetMainWnd() { return m_pMainWnd; }
};

class CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)

public:
    // Without a name, the application name comes from string AFX_IDS_APP_TITLE,
    // else from the executable's name.
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    CString m_pszAppName;
    CString m_pszExeName;
    int m_nCmdShow = SW_SHOWNORMAL;
    int m_argc = 0;
    char** m_argv = nullptr;

    int ExitInstance() override;

    // The printer chosen in Print Setup: all printing uses it until the program ends;
    // it is never stored. Null until then (printing takes the default printer).
    std::shared_ptr<QPrinter> m_pPrinter;

    // The framework's standard commands, for the application's command table.
    void OnFileNew();
    void OnFileOpen();
    void OnFilePrintSetup();
    void OnAppExit();
    BOOL OnOpenRecentFile(UINT nID);

protected:
    DECLARE_MESSAGE_MAP()

private:
    friend void AfxInitAppNames(CWinApp* pApp, int argc, char** argv);
    BOOL m_bNameGiven = FALSE;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
LPCTSTR AfxGetAppName();
// Ends the message loop with the exit code.
void AfxPostQuitMessage(int nExitCode);

// The layer's entry: runs the global application object. Call from main().
int AfxWinMain(int argc, char** argv);
// Sets the application's names from its resources and arguments, without running
// it (AfxWinMain does this; tests that build windows without running the loop
// call it after creating their Qt application).
void AfxInitAppNames(CWinApp* pApp, int argc, char** argv);
