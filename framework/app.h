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

class CCommandLineInfo;
class CDocManager;
class CDocTemplate;
class CDocument;
class CRecentFileList;

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
    // Where the profile lives (see profile_store.h): the registry key, empty until
    // SetRegistryKey, and the profile's name ("<exe>.INI" until then).
    CString m_pszRegistryKey;
    CString m_pszProfileName;
    // How the main window is first shown (SW_*); -1 once it has been.
    int m_nCmdShow = SW_SHOWNORMAL;
    int m_argc = 0;
    char** m_argv = nullptr;

    // Writes the standard settings, unless this run unregistered the program.
    int ExitInstance() override;

    // Start-up services that have nothing to do on this system; kept so that start-up
    // reads as it does everywhere. Enable3dControlsStatic reports success: the system
    // draws controls in 3-D itself.
    BOOL Enable3dControlsStatic() { return TRUE; }

    // The profile. SetRegistryKey moves it from the INI file to the store of the key
    // (profile name = application name). Reads give the default when the value, the
    // section or the whole store is missing or unreadable; writes that cannot be made
    // are dropped and return FALSE. A null entry removes the section, a null value the
    // entry.
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    // Creates the recent-file list with nMaxMRU entries (none for 0) and reads it,
    // then reads the number of preview pages.
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    // The recent-file list, and the preview pages when not 0.
    void SaveStdProfileSettings();

    // How many pages print preview shows at once (0 means one); kept in the profile.
    UINT m_nNumPreviewPages = 0;
    std::unique_ptr<CRecentFileList> m_pRecentFileList;

    // Documents. The application owns its templates through the document manager,
    // which the first AddDocTemplate creates.
    void AddDocTemplate(CDocTemplate* pTemplate);
    std::unique_ptr<CDocManager> m_pDocManager;
    // Opens the file as the document (see CDocManager::OpenDocumentFile); null on failure.
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    // Puts a full path at the top of the recent-file list, if there is one.
    virtual void AddToRecentFileList(LPCTSTR lpszPathName);

    // The command line: the arguments are parsed into rCmdInfo, then carried out.
    // ProcessShellCommand returns FALSE when start-up should end (the command failed,
    // printed, or unregistered).
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    // The command line being carried out while a command-line print runs (printing
    // reads the printer names of a print-to request from it); null otherwise.
    CCommandLineInfo* m_pCmdInfo = nullptr;
    // Removes what the program left in the system: the document type's registration
    // with the desktop (the program never makes one) and the profile.
    void UnregisterShellFileTypes();
    virtual BOOL Unregister();

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
    void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    friend void AfxInitAppNames(CWinApp* pApp, int argc, char** argv);
    BOOL m_bNameGiven = FALSE;
    // Set by an unregister run: ExitInstance then writes nothing.
    BOOL m_bUnregistered = FALSE;
};

// Lets dialogs and form views host embedded controls. None of the program's do, and
// the layer offers none, so there is nothing to set up.
inline void AfxEnableControlContainer() {}

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
