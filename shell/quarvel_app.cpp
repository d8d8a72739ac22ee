#include "shell/quarvel_app.h"

#include "form/quarvel_view.h"
#include "framework/afx_ids.h"
#include "framework/command_line_info.h"
#include "framework/doc_template.h"
#include "res/resource_ids.h"
#include "shell/about_dialog.h"
#include "shell/main_frame.h"
#include "shell/quarvel_doc.h"

BEGIN_MESSAGE_MAP(CQuarvelApp, CWinApp)
ON_COMMAND(ID_APP_ABOUT, &CQuarvelApp::OnAbout)
ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
ON_COMMAND(ID_FILE_OPEN, &CWinApp::OnFileOpen)
ON_COMMAND(ID_FILE_PRINT_SETUP, &CWinApp::OnFilePrintSetup)
END_MESSAGE_MAP()

// The one application object; its name comes from the string table.
CQuarvelApp theApp;

CQuarvelApp::~CQuarvelApp() = default;

BOOL CQuarvelApp::InitInstance() {
    AfxEnableControlContainer();
    Enable3dControlsStatic();

    // The profile must be named before anything reads it.
    SetRegistryKey("Local AppWizard-Generated Applications");
    LoadStdProfileSettings(4);

    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CQuarvelDoc),
                                          RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CQuarvelView)));

    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo)) {
        return FALSE;
    }

    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}

void CQuarvelApp::OnAbout() {
    CAboutDialog aboutDlg;
    aboutDlg.DoModal();
}
