// Dialog 101, the calculator form: a child template that the view shows.
#include "framework/afx_styles.h"
#include "res/resources.h"

namespace {

// Every control of one kind has the same style.
constexpr DWORD kComboBox = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN;
constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;
constexpr DWORD kGroupBox = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kRadioButton = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
constexpr DWORD kEditBox =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
constexpr DWORD kPushButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

static_assert(kComboBox == 0x50210002);
static_assert(kLabel == 0x50020000);
static_assert(kGroupBox == 0x50000007);
static_assert(kRadioButton == 0x50000009);
static_assert(kEditBox == 0x50810080);
static_assert(kPushButton == 0x50010000);

// Template order is z order and Tab order.
constexpr DialogItemTemplate kItems[] = {
    {kComboBox, 0, 13, 73, 81, 56, IDC_COMBO_CLOCK, DLGCLASS_COMBOBOX, "", 0},
    {kLabel, 0, 13, 39, 72, 8, IDC_STATIC, DLGCLASS_STATIC, "Input Clock :", 0},
    {kGroupBox, 0, 99, 38, 125, 108, IDC_STATIC, DLGCLASS_BUTTON,
     "RCDV and TCDV (from MMCRH) :", 0},
    {kRadioButton, 0, 107, 59, 29, 12, IDC_RADIO_X1, DLGCLASS_BUTTON, "x1", 0},
    {kRadioButton, 0, 107, 74, 29, 12, IDC_RADIO_X8, DLGCLASS_BUTTON, "x8", 0},
    {kRadioButton, 0, 107, 89, 29, 12, IDC_RADIO_X16, DLGCLASS_BUTTON, "x16", 0},
    {kRadioButton, 0, 107, 104, 29, 12, IDC_RADIO_X32, DLGCLASS_BUTTON, "x32", 0},
    {kRadioButton, 0, 107, 119, 105, 12, IDC_RADIO_MMCRH, DLGCLASS_BUTTON, "Other MMCRH value", 0},
    {kEditBox, 0, 13, 53, 83, 12, IDC_EDIT_CLOCK, DLGCLASS_EDIT, "", 0},
    {kEditBox, 0, 139, 75, 79, 12, IDC_EDIT_MMCRH, DLGCLASS_EDIT, "", 0},
    {kLabel, 0, 120, 218, 40, 10, IDC_STATIC, DLGCLASS_STATIC, "CDV (HEX) :", 0},
    {kComboBox, 0, 15, 150, 77, 65, IDC_COMBO_BAUD, DLGCLASS_COMBOBOX, "", 0},
    {kLabel, 0, 14, 219, 39, 9, IDC_STATIC, DLGCLASS_STATIC, "Baud Rate :", 0},
    {kLabel, 0, 139, 64, 77, 9, IDC_STATIC, DLGCLASS_STATIC, "MMCRH value (HEX) :", 0},
    {kEditBox, 0, 161, 217, 37, 12, IDC_EDIT_CDV, DLGCLASS_EDIT, "", 0},
    {kPushButton, 0, 11, 0, 92, 24, IDC_BUTTON_CALC_CDV, DLGCLASS_BUTTON, "Calculate CDV", 0},
    {kPushButton, 0, 115, 0, 92, 24, IDC_BUTTON_CALC_BAUD, DLGCLASS_BUTTON, "Calculate Baud Rate",
     0},
    {kEditBox, 0, 54, 217, 56, 12, IDC_EDIT_BAUD, DLGCLASS_EDIT, "", 0},
    {kLabel, 0, 99, 199, 61, 9, IDC_STATIC, DLGCLASS_STATIC, "BCR value (HEX) :", 0},
    {kEditBox, 0, 162, 196, 56, 12, IDC_EDIT_BCR, DLGCLASS_EDIT, "", 0},
    {kLabel, 0, 16, 140, 69, 9, IDC_STATIC, DLGCLASS_STATIC, "Fixed Baud Rate :", 0},
};

}  // namespace

// No caption, border or system menu; not visible until the view shows it.
const DialogTemplate kCalculatorForm{
    WS_CHILD | DS_SETFONT, 0, 0, 0, 250, 237, "", 8, "MS Sans Serif", kItems,
};
static_assert((WS_CHILD | DS_SETFONT) == 0x40000040);
