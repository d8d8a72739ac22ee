// A small dialog template of the layer tests' own, and a dialog that records the
// notifications its controls send.
#pragma once

#include <QApplication>
#include <QTest>
#include <utility>
#include <vector>

#include "framework/afx_styles.h"
#include "framework/dialog.h"
#include "framework/resources.h"

namespace small_dialog {

constexpr int kEditWide = 101;
constexpr int kRadioA = 102;
constexpr int kRadioB = 103;
constexpr int kRadioC = 104;
constexpr int kRadioD = 105;
constexpr int kEditNarrow = 106;
constexpr int kComboFixed = 107;
constexpr int kComboScrolling = 108;
constexpr int kButtonGo = 109;
constexpr int kEditDisabled = 110;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kLabel = kChild | WS_GROUP | SS_LEFT;
constexpr DWORD kRadio = kChild | BS_AUTORADIOBUTTON;
constexpr DWORD kEdit = kChild | WS_BORDER | WS_TABSTOP;

inline constexpr DialogItemTemplate kItems[] = {
    {kLabel, 0, 5, 5, 40, 8, -1, DLGCLASS_STATIC, "First :", 0},
    {kEdit | ES_AUTOHSCROLL, 0, 50, 5, 60, 12, kEditWide, DLGCLASS_EDIT, "", 0},
    {kRadio, 0, 5, 20, 30, 12, kRadioA, DLGCLASS_BUTTON, "A", 0},
    {kRadio, 0, 40, 20, 30, 12, kRadioB, DLGCLASS_BUTTON, "B", 0},
    {kLabel, 0, 5, 35, 40, 8, -1, DLGCLASS_STATIC, "Second :", 0},
    {kRadio, 0, 5, 45, 30, 12, kRadioC, DLGCLASS_BUTTON, "C", 0},
    {kRadio, 0, 40, 45, 30, 12, kRadioD, DLGCLASS_BUTTON, "D", 0},
    {kEdit, 0, 50, 35, 30, 12, kEditNarrow, DLGCLASS_EDIT, "", 0},
    {kChild | WS_TABSTOP | CBS_DROPDOWN, 0, 5, 60, 50, 50, kComboFixed, DLGCLASS_COMBOBOX, "", 0},
    {kChild | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, 60, 60, 50, 50, kComboScrolling,
     DLGCLASS_COMBOBOX, "", 0},
    {kChild | WS_TABSTOP | BS_PUSHBUTTON, 0, 5, 80, 40, 14, kButtonGo, DLGCLASS_BUTTON, "Go", 0},
    {kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 50, 80, 40, 14, IDOK, DLGCLASS_BUTTON, "OK", 0},
    {kEdit | WS_DISABLED, 0, 95, 80, 30, 12, kEditDisabled, DLGCLASS_EDIT, "", 0},
};

inline constexpr DialogTemplate kTemplate{
    WS_POPUP | WS_CAPTION | DS_SETFONT, 0, 0, 0, 140, 100, "Small", 8, "MS Sans Serif", kItems,
};

// Records WM_COMMAND as (id, code) before the dialog handles it.
class CRecordingDialog : public CDialog {
public:
    std::vector<std::pair<int, int>> m_notes;

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        m_notes.emplace_back(LOWORD(wParam), HIWORD(wParam));
        return CDialog::OnCommand(wParam, lParam);
    }
};

inline QWidget* Widget(CWnd& dialog, int id) {
    CWnd* item = dialog.GetDlgItem(id);
    return item != nullptr ? item->m_hWnd : nullptr;
}

// Builds the dialog and shows it as the active window, so that keys reach it.
inline void ShowActive(CRecordingDialog& dialog) {
    ASSERT_TRUE(dialog.CreateIndirect(&kTemplate));
    dialog.ShowWindow(SW_SHOW);
    QApplication::setActiveWindow(dialog.m_hWnd);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.m_hWnd));
}

using Notes = std::vector<std::pair<int, int>>;

}  // namespace small_dialog
