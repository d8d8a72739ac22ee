// Dialog 100, the About box.
#include "framework/afx_messages.h"
#include "framework/afx_styles.h"
#include "res/resources.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

constexpr DialogItemTemplate kItems[] = {
    {kChild | SS_ICON, 0, 11, 17, 20, 20, IDC_STATIC, DLGCLASS_STATIC, nullptr, IDR_MAINFRAME},
    {kChild | SS_LEFT | SS_NOPREFIX | WS_GROUP, 0, 40, 10, 119, 8, IDC_STATIC, DLGCLASS_STATIC,
     "Quarvel Version 1.0", 0},
    {kChild | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 0, 178, 7, 50, 14, IDOK, DLGCLASS_BUTTON,
     "OK", 0},
};

}  // namespace

const DialogTemplate kAboutBox{
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    0,
    0,
    0,
    235,
    55,
    "About Quarvel",
    8,
    "MS Sans Serif",
    kItems,
};
