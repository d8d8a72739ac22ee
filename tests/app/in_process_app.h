// The real application object started in the test's own process, as the program's
// main starts it, and stopped again: for tests that drive the whole window.
#pragma once

#include <QMainWindow>
#include <utility>

#include "res/resources.h"
#include "shell/quarvel_app.h"

// Runs InitInstance as the program would; TRUE when the main window is up.
inline BOOL StartQuarvelInProcess() {
    static char name[] = "/usr/bin/quarvel";
    static char* argv[] = {name, nullptr};
    AfxSetResources(QuarvelResources());
    AfxInitAppNames(&theApp, 1, argv);
    return theApp.InitInstance();
}

// The main window goes without ending a later test's modal loop: the application
// lets go of it first.
inline void StopQuarvelInProcess() {
    if (CWnd* main = std::exchange(theApp.m_pMainWnd, nullptr)) {
        main->DestroyWindow();
    }
}

inline QMainWindow* QuarvelMainWindow() {
    return qobject_cast<QMainWindow*>(theApp.m_pMainWnd->m_hWnd);
}
