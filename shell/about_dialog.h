// The About box: the program's name and version, with an OK button.
#pragma once

#include "framework/dialog.h"

class CAboutDialog : public CDialog {
public:
    CAboutDialog();
    ~CAboutDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
