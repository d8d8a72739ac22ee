#include "shell/about_dialog.h"

#include "res/resource_ids.h"

// No parent is given: the main window becomes the owner.
CAboutDialog::CAboutDialog() : CDialog(IDD_ABOUTBOX) {}

CAboutDialog::~CAboutDialog() = default;

void CAboutDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
}

// OK and Escape are the base class's.
BEGIN_MESSAGE_MAP(CAboutDialog, CDialog)
END_MESSAGE_MAP()
