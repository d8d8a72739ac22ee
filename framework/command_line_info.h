// What the command line asks the application to do at start-up.
#pragma once

#include "framework/cstring.h"
#include "framework/object.h"

class CCommandLineInfo : public CObject {
public:
    CCommandLineInfo() = default;

    // Called for each argument in turn. bFlag: the argument was a switch ("-x" or
    // "/x"), passed without its mark. bLast: no argument follows.
    //
    // Switches "p", "pt" and "dde" (exactly so) and "Unregister", "Unregserver" (any
    // letter case) name a command; a later one replaces an earlier one. "Embedding"
    // and "Automation" (any case) only set their flags; others are ignored. The first
    // plain argument is the file; later ones are the printer, driver and port names,
    // but only while the command is print-to. At the end, new with a file is open.
    virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);

    enum ShellCommand {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileDDE,
        AppUnregister,
    };

    ShellCommand m_nShellCommand = FileNew;
    BOOL m_bShowSplash = TRUE;
    BOOL m_bRunEmbedded = FALSE;
    BOOL m_bRunAutomated = FALSE;
    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;

protected:
    void ParseParamFlag(const char* pszParam);
    void ParseParamNotFlag(const char* pszParam);
    void ParseLast(BOOL bLast);
};
