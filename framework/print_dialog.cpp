#include "framework/print_dialog.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "framework/app.h"
#include "framework/command_line_info.h"
#include "framework/window_class.h"

namespace {

bool PrinterExists(const QString& name) {
    return !name.isEmpty() && !QPrinterInfo::printerInfo(name).isNull();
}

// The settings of the Print Setup choice that a job takes over.
void TakeSettings(const QPrinter& from, QPrinter& to) {
    if (from.outputFormat() == QPrinter::PdfFormat) {
        to.setOutputFormat(QPrinter::PdfFormat);
        to.setOutputFileName(from.outputFileName());
    } else {
        to.setPrinterName(from.printerName());
    }
    to.setPageLayout(from.pageLayout());
    to.setColorMode(from.colorMode());
    to.setDuplex(from.duplex());
    to.setCopyCount(from.copyCount());
}

QWidget* OwnerWidget(CWnd* pParentWnd) {
    CWnd* owner = pParentWnd != nullptr ? pParentWnd : AfxGetMainWnd();
    return owner != nullptr && owner->m_hWnd != nullptr ? owner->m_hWnd->window() : nullptr;
}

}  // namespace

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : m_dwFlags(dwFlags), m_bPrintSetupOnly(bPrintSetupOnly), m_pParentWnd(pParentWnd) {}

CPrintDialog::~CPrintDialog() = default;

std::unique_ptr<QPrinter> CPrintDialog::ReleasePrinter() {
    return std::move(m_printer);
}

BOOL CPrintDialog::GetDefaults() {
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    CWinApp* app = AfxGetApp();
    // A print-to request names its printer; nothing else will do.
    if (app != nullptr && app->m_pCmdInfo != nullptr &&
        app->m_pCmdInfo->m_nShellCommand == CCommandLineInfo::FilePrintTo) {
        const QString name = AfxQString(app->m_pCmdInfo->m_strPrinterName);
        if (!PrinterExists(name)) {
            return FALSE;
        }
        m_printer->setPrinterName(name);
        return TRUE;
    }
    if (app != nullptr && app->m_pPrinter != nullptr &&
        (app->m_pPrinter->outputFormat() == QPrinter::PdfFormat ||
         PrinterExists(app->m_pPrinter->printerName()))) {
        TakeSettings(*app->m_pPrinter, *m_printer);
        return TRUE;
    }
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) {
        // Without a printer Qt falls back to PDF output; only the dialog may choose that.
        return FALSE;
    }
    m_printer->setPrinterName(defaultPrinter.printerName());
    return TRUE;
}

int CPrintDialog::DoModal() {
    if (m_printer == nullptr) {
        GetDefaults();
    }
    QPrintDialog dialog(m_printer.get(), OwnerWidget(m_pParentWnd));
    dialog.setWindowModality(Qt::ApplicationModal);
    QAbstractPrintDialog::PrintDialogOptions options;
    if (m_bPrintSetupOnly) {
        // Chooses the printer and its settings: no pages, no copies to collate.
        dialog.setWindowTitle(QStringLiteral("Print Setup"));
        options |= QAbstractPrintDialog::PrintShowPageSize;
        if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
            for (QAbstractButton* button : buttons->buttons()) {
                if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) {
                    button->setText(QStringLiteral("OK"));
                }
            }
        }
    } else {
        dialog.setWindowTitle(QStringLiteral("Print"));
        options |= QAbstractPrintDialog::PrintShowPageSize;
        if ((m_dwFlags & PD_NOPAGENUMS) == 0) {
            options |= QAbstractPrintDialog::PrintPageRange;
        }
        if ((m_dwFlags & PD_NOSELECTION) == 0) {
            options |= QAbstractPrintDialog::PrintSelection;
        }
        if ((m_dwFlags & PD_DISABLEPRINTTOFILE) == 0) {
            options |= QAbstractPrintDialog::PrintToFile;
        }
        dialog.setMinMax(static_cast<int>(m_nMinPage), static_cast<int>(m_nMaxPage));
        dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    }
    dialog.setOptions(options);
    if (dialog.exec() != QDialog::Accepted) {
        return IDCANCEL;
    }
    m_dwFlags &= ~(PD_PAGENUMS | PD_SELECTION | PD_PRINTTOFILE);
    if (!m_bPrintSetupOnly && dialog.printRange() == QAbstractPrintDialog::PageRange) {
        m_dwFlags |= PD_PAGENUMS;
        m_nFromPage = static_cast<UINT>(dialog.fromPage());
        m_nToPage = static_cast<UINT>(dialog.toPage());
    } else {
        m_nFromPage = m_nMinPage;
        m_nToPage = m_nMaxPage;
    }
    if (m_printer->outputFormat() == QPrinter::PdfFormat) {
        m_dwFlags |= PD_PRINTTOFILE;
    }
    return IDOK;
}
