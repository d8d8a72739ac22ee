// The command line: parsing the arguments and carrying out what they ask.
#include <QFile>
#include <cstring>

#include "framework/afx_ids.h"
#include "framework/app.h"
#include "framework/command_line_info.h"
#include "framework/message_box.h"
#include "framework/profile_store.h"

namespace {

// "-x" is a switch. So is "/x", but a path such as "/home/me/notes.txt" starts with
// "/" too: an argument with a further "/" after the first is taken as a path.
bool IsSwitch(const char* arg) {
    return arg[0] == '-' || (arg[0] == '/' && std::strchr(arg + 1, '/') == nullptr);
}

}  // namespace

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) {
    for (int i = 1; i < m_argc; ++i) {
        const char* arg = m_argv[i];
        const BOOL bFlag = IsSwitch(arg) ? TRUE : FALSE;
        const QByteArray param = QFile::decodeName(bFlag ? arg + 1 : arg).toUtf8();
        rCmdInfo.ParseParam(param.constData(), bFlag, i == m_argc - 1);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo) {
    switch (rCmdInfo.m_nShellCommand) {
        case CCommandLineInfo::FileNew:
        case CCommandLineInfo::FileDDE:
            // No DDE conversation is served: a DDE start is an ordinary start.
            if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr)) {
                OnFileNew();
            }
            return m_pMainWnd != nullptr;

        case CCommandLineInfo::FileOpen:
            return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;

        case CCommandLineInfo::FilePrint:
        case CCommandLineInfo::FilePrintTo:
            // The main window is never seen: it is hidden from its first showing.
            m_nCmdShow = SW_HIDE;
            if (OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr && m_pMainWnd != nullptr) {
                AFX_CMDHANDLERINFO handler;
                if (m_pMainWnd->OnCmdMsg(ID_FILE_PRINT_DIRECT, CN_COMMAND, nullptr, &handler)) {
                    m_pCmdInfo = &rCmdInfo;
                    m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
                    m_pCmdInfo = nullptr;
                } else {
                    AfxMessageBox(AFX_IDP_PRINT_UNAVAILABLE);
                }
            }
            return FALSE;

        case CCommandLineInfo::AppUnregister: {
            UnregisterShellFileTypes();
            const BOOL bRemoved = Unregister();
            if (!rCmdInfo.m_bRunEmbedded) {
                AfxMessageBox(bRemoved ? AFX_IDP_UNREG_DONE : AFX_IDP_UNREG_FAILURE,
                              MB_OK | (bRemoved ? MB_ICONINFORMATION : MB_ICONWARNING));
            }
            m_bUnregistered = TRUE;
            return FALSE;
        }
    }
    return FALSE;
}

// The program never registers its document type with the desktop, so there is
// nothing of it to remove.
void CWinApp::UnregisterShellFileTypes() {}

BOOL CWinApp::Unregister() {
    return AfxRemoveProfile(*this) ? TRUE : FALSE;
}
