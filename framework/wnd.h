// Windows: a CWnd is the program's object for one window (a widget underneath).
#pragma once

#include "framework/afx_messages.h"
#include "framework/afx_styles.h"
#include "framework/cmd_target.h"
#include "framework/cstring.h"

class CFrameWnd;

class CWnd : public CCmdTarget {
    DECLARE_DYNCREATE(CWnd)

public:
    CWnd() = default;
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }  // NOLINT: passes where a handle goes
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object that receives the window's messages: the one attached to it, or
    // else a wrapper that the layer keeps while the window lives. Null for no window.
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);
    // Makes this object the one that receives the window's messages.
    BOOL Attach(HWND hWnd);
    HWND Detach();
    BOOL SubclassWindow(HWND hWnd) { return Attach(hWnd); }
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);

    // Creation. The window class names the kind of widget (see window_class.h).
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID, void* pContext = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                  int x, int y, int nWidth, int nHeight, HWND hWndParent, UINT nIDorHMenu,
                  void* lpParam = nullptr);
    // Sends WM_DESTROY to the window and its children, then destroys it.
    virtual BOOL DestroyWindow();
    // Called once the window is gone; frames and views delete themselves here.
    virtual void PostNcDestroy() {}

    // Messages go to the window's receiving object (FromHandle) and its WindowProc.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // Queues the message; it is delivered from the message loop.
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                  BOOL bDeep = TRUE) const;
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The window class's own behaviour for a message.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // WM_COMMAND: menu and accelerator commands, and control notifications.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // Keys reach PreTranslateMessage of the focus window and its parents before the
    // focus window sees them; TRUE takes the key.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Relations.
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    CWnd* GetDlgItem(int nID) const;
    CWnd* GetParent() const;
    CWnd* GetTopLevelParent() const;
    CFrameWnd* GetParentFrame() const;
    CWnd* GetWindow(UINT nCmd) const;  // GW_CHILD, GW_HWNDNEXT in creation order

    // State.
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsWindowVisible() const;
    BOOL ShowWindow(int nCmdShow);
    void UpdateWindow();
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    void SetWindowText(LPCTSTR lpszString);
    // Copies at most nMaxCount - 1 bytes of the text, never splitting a character,
    // and a terminating zero; returns the number of bytes copied.
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    // The tip shown while the mouse rests on the window; an empty text removes it.
    void SetToolTipText(LPCTSTR lpszText);
    void GetToolTipText(CString& rString) const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd);
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void GetClientRect(RECT* lpRect) const;
    void GetWindowRect(RECT* lpRect) const;
    CWnd* SetFocus();
    static CWnd* GetFocus();
    void CenterWindow(CWnd* pAlternateOwner = nullptr);

    // A modal message box owned by this window's top-level window. Without a
    // caption the application's name is the title.
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = MB_OK);

    // Data exchange hook of dialogs and form views (see dialog.h).
    virtual void DoDataExchange(class CDataExchange* /*pDX*/) {}
    // Runs DoDataExchange: FALSE puts the members' data into the controls (and binds
    // control members on the first run), TRUE reads it back. FALSE when it failed.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

protected:
    // Handlers reached through the message tables.
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy() {}
    void OnClose();
    void OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/) {}
    // The default processing of the message being handled.
    LRESULT Default();

    DECLARE_MESSAGE_MAP()
};

// The message that the innermost window procedure running is handling (a command's
// WM_COMMAND tells its handler which id it came by); null outside any.
const MSG* AfxGetCurrentMessage();

constexpr UINT GW_HWNDNEXT = 2;
constexpr UINT GW_HWNDPREV = 3;
constexpr UINT GW_CHILD = 5;
