#include "framework/print_job.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryFile>
#include <QVBoxLayout>
#include <climits>
#include <cstdio>

#include "framework/afx_ids.h"
#include "framework/app.h"
#include "framework/dc.h"
#include "framework/document.h"
#include "framework/message_box.h"
#include "framework/print_dialog.h"
#include "framework/print_info.h"
#include "framework/view.h"
#include "framework/window_class.h"

namespace {

// Shown while a job prints. It has no owner: the main window is disabled meanwhile,
// and a disabled owner would take the Cancel button with it.
class PrintingDialog : public QDialog {
public:
    PrintingDialog(const QString& title, const QString& printer) {
        setObjectName(QStringLiteral("AfxPrintingDialog"));
        setWindowTitle(QCoreApplication::applicationName());
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(QStringLiteral("Printing"), this));
        layout->addWidget(new QLabel(title, this));
        layout->addWidget(
            new QLabel(printer.isEmpty() ? QString() : QStringLiteral("on ") + printer, this));
        m_page = new QLabel(this);
        layout->addWidget(m_page);
        auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
        layout->addWidget(cancel, 0, Qt::AlignHCenter);
        connect(cancel, &QPushButton::clicked, this, [this]() { m_cancelled = true; });
    }

    bool cancelled() const { return m_cancelled; }
    void setPage(UINT page) { m_page->setText(QStringLiteral("Page %1").arg(page)); }

protected:
    void reject() override { m_cancelled = true; }  // Escape and the close box cancel too

private:
    QLabel* m_page = nullptr;
    bool m_cancelled = false;
};

// Output to a file is written beside it under a temporary name and renamed at the end,
// so a cancelled or failed job leaves the old file as it was.
class FileOutput {
public:
    explicit FileOutput(QPrinter& printer) : m_printer(printer) {
        if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty()) {
            return;
        }
        m_final = QFileInfo(printer.outputFileName()).absoluteFilePath();
        QTemporaryFile temp(QFileInfo(m_final).absolutePath() + QStringLiteral("/.print-XXXXXX"));
        temp.setAutoRemove(false);
        if (temp.open()) {
            m_temp = temp.fileName();
            temp.close();
            printer.setOutputFileName(m_temp);
        }
    }
    FileOutput(const FileOutput&) = delete;
    FileOutput& operator=(const FileOutput&) = delete;
    ~FileOutput() {
        if (!m_temp.isEmpty()) {
            QFile::remove(m_temp);
            m_printer.setOutputFileName(m_final);
        }
    }

    // FALSE when the file cannot take the output's place.
    bool Commit() {
        if (m_temp.isEmpty()) {
            return true;
        }
        const bool done = std::rename(QFile::encodeName(m_temp).constData(),
                                      QFile::encodeName(m_final).constData()) == 0;
        if (done) {
            m_temp.clear();
            m_printer.setOutputFileName(m_final);
        }
        return done;
    }

private:
    QPrinter& m_printer;
    QString m_final;
    QString m_temp;
};

}  // namespace

void AfxRunPrintJob(CView* pView, CPrintInfo* pInfo) {
    QPrinter* printer = pInfo->m_pPD->GetPrinter();
    if (printer == nullptr) {
        return;
    }
    CString title = pView->GetDocument() != nullptr ? pView->GetDocument()->GetTitle() : CString();
    if (title.IsEmpty()) {
        title = AfxGetAppName();
    }
    printer->setDocName(AfxQString(title));

    QPainter painter;
    CDC dc(&painter, printer, TRUE);
    pView->OnBeginPrinting(&dc, pInfo);

    CWnd* main = AfxGetMainWnd();
    const BOOL mainWasEnabled =
        main != nullptr && main->m_hWnd != nullptr && main->IsWindowEnabled();
    if (mainWasEnabled) {
        main->EnableWindow(FALSE);
    }
    PrintingDialog progress(AfxQString(title), printer->outputFormat() == QPrinter::PdfFormat
                                                   ? QFileInfo(printer->outputFileName()).fileName()
                                                   : printer->printerName());
    progress.show();
    QCoreApplication::processEvents();

    FileOutput output(*printer);
    bool started = false;
    bool failed = false;
    const UINT last = pInfo->GetToPage();
    for (pInfo->m_nCurPage = pInfo->GetFromPage(); pInfo->m_nCurPage <= last; ++pInfo->m_nCurPage) {
        pInfo->m_bContinuePrinting = TRUE;
        pView->OnPrepareDC(&dc, pInfo);
        if (!pInfo->m_bContinuePrinting) {
            break;
        }
        progress.setPage(pInfo->m_nCurPage);
        QCoreApplication::processEvents();
        if (progress.cancelled()) {
            break;
        }
        // The job reaches the printer with its first page.
        if (!started) {
            if (!painter.begin(printer)) {
                failed = true;
                break;
            }
            started = true;
        } else if (!printer->newPage()) {
            failed = true;
            break;
        }
        pInfo->m_rectDraw = RECT{0, 0, printer->width(), printer->height()};
        pView->OnPrint(&dc, pInfo);
        QCoreApplication::processEvents();
        if (progress.cancelled() || last == UINT_MAX) {
            break;
        }
    }
    const bool cancelled = progress.cancelled();
    if (started) {
        if (cancelled || failed) {
            printer->abort();
        }
        painter.end();
        if (!cancelled && !failed && !output.Commit()) {
            failed = true;
        }
    }
    if (mainWasEnabled) {
        main->EnableWindow(TRUE);
    }
    pView->OnEndPrinting(&dc, pInfo);
    progress.close();
    if (failed) {
        AfxMessageBox(AFX_IDP_FAILED_TO_START_PRINT, MB_OK | MB_ICONWARNING);
    }
}
