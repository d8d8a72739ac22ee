#include "framework/file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QMessageBox>

#include "framework/afx_ids.h"
#include "framework/app.h"
#include "framework/window_class.h"

namespace {

// Qt's own widget dialog (not the desktop's), so that it looks and behaves the same
// everywhere and tests can drive it. Save As refuses a name whose folder is missing.
class FrameworkFileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        if (acceptMode() == AcceptSave) {
            const QStringList files = selectedFiles();
            if (!files.isEmpty()) {
                const QFileInfo info(files.first());
                if (!info.isDir() && !QFileInfo(info.absolutePath()).isDir()) {
                    QMessageBox::warning(
                        this, windowTitle(),
                        tr("%1\nThe folder does not exist. Check the name and "
                           "try again.")
                            .arg(QDir::toNativeSeparators(info.absoluteFilePath())));
                    return;
                }
            }
        }
        QFileDialog::accept();
    }
};

// The filter reads "All Files (*.*)", and it means every file: names without a dot
// are files too.
void ShowEveryFile(QFileDialog& dialog) {
    const auto matchAll = [&dialog]() {
        if (auto* model = dialog.findChild<QFileSystemModel*>()) {
            model->setNameFilters({QStringLiteral("*")});
        }
    };
    matchAll();
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, matchAll);
}

}  // namespace

BOOL AfxPromptFileName(CString& fileName, BOOL bOpenFileDialog, LPCTSTR lpszTitle) {
    QWidget* owner = nullptr;
    if (CWnd* main = AfxGetMainWnd(); main != nullptr && main->m_hWnd != nullptr) {
        owner = main->m_hWnd->window();
    }
    FrameworkFileDialog dialog(owner);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setWindowTitle(lpszTitle != nullptr ? AfxQString(lpszTitle)
                                               : (bOpenFileDialog ? QStringLiteral("Open")
                                                                  : QStringLiteral("Save As")));
    CString allFilter;
    allFilter.LoadString(AFX_IDS_ALLFILTER);
    dialog.setNameFilter(AfxQString(allFilter));
    ShowEveryFile(dialog);
    if (bOpenFileDialog) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!fileName.IsEmpty()) {
            // A full path opens its folder; a bare title stays in the current folder.
            dialog.selectFile(AfxQString(fileName));
        }
    }
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return FALSE;
    }
    fileName = CString(QFileInfo(dialog.selectedFiles().first()).absoluteFilePath().toStdString());
    return TRUE;
}
