// The print dialog's settings for one job, and the printer they go to.
#pragma once

#include <memory>

#include "framework/afx_types.h"

class QPrinter;
class CWnd;

// Print dialog flags.
constexpr DWORD PD_ALLPAGES = 0x00000000;
constexpr DWORD PD_SELECTION = 0x00000001;
constexpr DWORD PD_PAGENUMS = 0x00000002;
constexpr DWORD PD_NOSELECTION = 0x00000004;
constexpr DWORD PD_NOPAGENUMS = 0x00000008;
constexpr DWORD PD_PRINTTOFILE = 0x00000020;
constexpr DWORD PD_RETURNDEFAULT = 0x00000400;
constexpr DWORD PD_DISABLEPRINTTOFILE = 0x00080000;

class CPrintDialog {
public:
    // bPrintSetupOnly: the dialog chooses the printer and its settings, no pages.
    explicit CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags = PD_ALLPAGES | PD_NOSELECTION,
                          CWnd* pParentWnd = nullptr);
    ~CPrintDialog();
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;

    // Shows the dialog on the printer; IDOK or IDCANCEL.
    int DoModal();

    BOOL PrintAll() const { return (m_dwFlags & (PD_PAGENUMS | PD_SELECTION)) == 0; }
    BOOL PrintRange() const { return (m_dwFlags & PD_PAGENUMS) != 0; }
    BOOL PrintToFile() const { return (m_dwFlags & PD_PRINTTOFILE) != 0; }
    UINT GetFromPage() const { return m_nFromPage; }
    UINT GetToPage() const { return m_nToPage; }

    // The printer the job goes to; owned by the dialog object.
    QPrinter* GetPrinter() const { return m_printer.get(); }
    std::unique_ptr<QPrinter> ReleasePrinter();
    // Sets the printer up from the app's Print Setup choice (or a print-to request's
    // printer), else the default printer. FALSE when no printer is there to take.
    BOOL GetDefaults();

    DWORD m_dwFlags;
    UINT m_nMinPage = 1;
    UINT m_nMaxPage = 0xFFFF;
    UINT m_nFromPage = 1;
    UINT m_nToPage = 0xFFFF;
    BOOL m_bPrintSetupOnly;
    CWnd* m_pParentWnd;

private:
    std::unique_ptr<QPrinter> m_printer;
};
