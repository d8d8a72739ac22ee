#include "framework/command_line_info.h"

#include <strings.h>

#include <cstring>

namespace {

bool Is(const char* param, const char* name) {
    return std::strcmp(param, name) == 0;
}

bool IsAnyCase(const char* param, const char* name) {
    return strcasecmp(param, name) == 0;
}

}  // namespace

void CCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) {
    if (bFlag) {
        ParseParamFlag(pszParam);
    } else {
        ParseParamNotFlag(pszParam);
    }
    ParseLast(bLast);
}

void CCommandLineInfo::ParseParamFlag(const char* pszParam) {
    if (Is(pszParam, "pt")) {
        m_nShellCommand = FilePrintTo;
    } else if (Is(pszParam, "p")) {
        m_nShellCommand = FilePrint;
    } else if (Is(pszParam, "dde")) {
        m_nShellCommand = FileDDE;
    } else if (IsAnyCase(pszParam, "Unregister") || IsAnyCase(pszParam, "Unregserver")) {
        m_nShellCommand = AppUnregister;
    } else if (IsAnyCase(pszParam, "Embedding")) {
        m_bRunEmbedded = TRUE;
        m_bShowSplash = FALSE;
    } else if (IsAnyCase(pszParam, "Automation")) {
        m_bRunAutomated = TRUE;
        m_bShowSplash = FALSE;
    }
}

void CCommandLineInfo::ParseParamNotFlag(const char* pszParam) {
    if (m_strFileName.IsEmpty()) {
        m_strFileName = pszParam;
    } else if (m_nShellCommand == FilePrintTo && m_strPrinterName.IsEmpty()) {
        m_strPrinterName = pszParam;
    } else if (m_nShellCommand == FilePrintTo && m_strDriverName.IsEmpty()) {
        m_strDriverName = pszParam;
    } else if (m_nShellCommand == FilePrintTo && m_strPortName.IsEmpty()) {
        m_strPortName = pszParam;
    }
}

void CCommandLineInfo::ParseLast(BOOL bLast) {
    if (bLast && m_nShellCommand == FileNew && !m_strFileName.IsEmpty()) {
        m_nShellCommand = FileOpen;
    }
}
