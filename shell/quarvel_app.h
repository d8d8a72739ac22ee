// The application: names the program, keeps its settings, joins document, frame and
// view in one template, carries out the command line and shows the main window.
#pragma once

#include "framework/app.h"

class CQuarvelApp : public CWinApp {
public:
    CQuarvelApp() = default;
    ~CQuarvelApp() override;

    BOOL InitInstance() override;

    void OnAbout();

protected:
    DECLARE_MESSAGE_MAP()
};

extern CQuarvelApp theApp;
