// The framework's Print Setup command.
#include <QPrinter>

#include "framework/app.h"
#include "framework/print_dialog.h"

// The choice holds for every later Print and Print Preview until the program ends;
// nothing of it goes into the profile.
void CWinApp::OnFilePrintSetup() {
    CPrintDialog dialog(TRUE);
    dialog.GetDefaults();
    if (dialog.DoModal() == IDOK) {
        m_pPrinter = std::shared_ptr<QPrinter>(dialog.ReleasePrinter());
    }
}
